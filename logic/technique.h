#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace dodoru::logic {

// The techniques, simplest first: the solver looks for them in this order, so the path it takes is the
// easiest it knows. The order, the JSON ids and the ratings are fixed facts of the program (the README
// lists them); the words each front end uses live with that front end.
enum class Technique {
    FullHouse,
    NakedSingle,
    HiddenSingle,
    LockedPointing,
    LockedClaiming,
    NakedPair,
    XWing,
    HiddenPair,
    NakedTriple,
    Swordfish,
    HiddenTriple,
    Skyscraper,
    TwoStringKite,
    XYWing,
    XYZWing,
    WWing,
    UniqueRectangle,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    SimpleColouring,
    XYChain,
    ForcingChain,
    Trial,
};

inline constexpr int kTechniqueCount = static_cast<int>(Technique::Trial) + 1;

// Every technique in the order the solver tries them.
std::array<Technique, kTechniqueCount> allTechniques();

// The technique's JSON id, lower-case English snake_case ("hidden_single").
std::string_view techniqueId(Technique technique);
std::optional<Technique> techniqueById(std::string_view id);

// The difficulty of one step of the technique, in tenths: 10 for a full house .. 90 for a trial.
// Whole tenths keep comparisons exact; ratingValue() gives the number shown (1.0 .. 9.0).
int techniqueRatingTenths(Technique technique);
inline double ratingValue(int tenths) {
    return tenths / 10.0;
}

// The named bands of the rating scale, from singles alone to trial.
enum class RatingBand { Easy, Moderate, Tough, Expert, Trial };
RatingBand ratingBand(int tenths);
std::string_view ratingBandId(RatingBand band);

} // namespace dodoru::logic
