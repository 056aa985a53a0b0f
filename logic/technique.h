#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace dodoru::logic {

// The techniques, simplest first: the solver looks for them in this order, so the path it takes is the
// easiest it knows. Each has one row in the technique table (technique.cpp): its JSON id, its rating
// and its finder. The words each front end uses live with that front end, looked up by a switch so
// that a technique without words does not compile quietly.
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
    FinnedXWing,
    Skyscraper,
    TwoStringKite,
    XYWing,
    EmptyRectangle,
    XYZWing,
    WWing,
    UniqueRectangle,
    UniqueRectangle2,
    UniqueRectangle4,
    NakedQuad,
    HiddenRectangle,
    Jellyfish,
    BugPlusOne,
    HiddenQuad,
    FinnedSwordfish,
    SimpleColouring,
    WXYZWing,
    Medusa3D,
    XYChain,
    AlsXZ,
    AlsXYWing,
    ForcingChain,
    GroupedChain,
    AlsChain,
    CellForcingChain,
    UnitForcingChain,
    Contradiction,
    Guess,
};

inline constexpr int kTechniqueCount = static_cast<int>(Technique::Guess) + 1;

// Every technique in the order the solver tries them.
std::array<Technique, kTechniqueCount> allTechniques();

// The technique's JSON id, lower-case English snake_case ("hidden_single").
std::string_view techniqueId(Technique technique);
std::optional<Technique> techniqueById(std::string_view id);

// Whether the technique places one digit by the singles' rules: a full house, a naked or a hidden single.
bool isSingle(Technique technique);

// The difficulty of the simplest step of the technique, in tenths: 10 for a full house .. 90 for a
// guess. Chains and contradictions rate higher the longer their proof (Step::ratingTenths()).
int techniqueRatingTenths(Technique technique);

// The named bands of the rating scale, from singles alone to a guess.
enum class RatingBand { Easy, Moderate, Tough, Expert, Trial };
RatingBand ratingBand(int tenths);
std::string_view ratingBandId(RatingBand band);

} // namespace dodoru::logic
