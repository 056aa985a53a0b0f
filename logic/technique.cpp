#include "technique.h"

namespace dodoru::logic {

namespace {

struct TechniqueFacts {
    Technique technique;
    std::string_view id;
    int ratingTenths;
};

// In the order of the enum, which is the order of the search.
constexpr std::array<TechniqueFacts, kTechniqueCount> kFacts = {{
    {Technique::FullHouse, "full_house", 10},
    {Technique::NakedSingle, "naked_single", 12},
    {Technique::HiddenSingle, "hidden_single", 15},
    {Technique::LockedPointing, "locked_candidates_pointing", 26},
    {Technique::LockedClaiming, "locked_candidates_claiming", 28},
    {Technique::NakedPair, "naked_pair", 30},
    {Technique::XWing, "x_wing", 32},
    {Technique::HiddenPair, "hidden_pair", 34},
    {Technique::NakedTriple, "naked_triple", 36},
    {Technique::Swordfish, "swordfish", 38},
    {Technique::HiddenTriple, "hidden_triple", 40},
    {Technique::Skyscraper, "skyscraper", 42},
    {Technique::TwoStringKite, "two_string_kite", 43},
    {Technique::XYWing, "xy_wing", 44},
    {Technique::XYZWing, "xyz_wing", 46},
    {Technique::WWing, "w_wing", 47},
    {Technique::UniqueRectangle, "unique_rectangle", 48},
    {Technique::NakedQuad, "naked_quad", 50},
    {Technique::Jellyfish, "jellyfish", 52},
    {Technique::HiddenQuad, "hidden_quad", 54},
    {Technique::SimpleColouring, "simple_colouring", 56},
    {Technique::XYChain, "xy_chain", 60},
    {Technique::ForcingChain, "forcing_chain", 70},
    {Technique::Trial, "trial", 90},
}};

const TechniqueFacts& factsOf(Technique technique) {
    return kFacts[static_cast<std::size_t>(technique)];
}

} // namespace

std::array<Technique, kTechniqueCount> allTechniques() {
    std::array<Technique, kTechniqueCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = kFacts[i].technique;
    return all;
}

std::string_view techniqueId(Technique technique) {
    return factsOf(technique).id;
}

std::optional<Technique> techniqueById(std::string_view id) {
    for (const TechniqueFacts& facts : kFacts)
        if (facts.id == id) return facts.technique;
    return std::nullopt;
}

int techniqueRatingTenths(Technique technique) {
    return factsOf(technique).ratingTenths;
}

RatingBand ratingBand(int tenths) {
    if (tenths < 20) return RatingBand::Easy;
    if (tenths < 40) return RatingBand::Moderate;
    if (tenths < 60) return RatingBand::Tough;
    if (tenths < 90) return RatingBand::Expert;
    return RatingBand::Trial;
}

std::string_view ratingBandId(RatingBand band) {
    switch (band) {
    case RatingBand::Easy:
        return "easy";
    case RatingBand::Moderate:
        return "moderate";
    case RatingBand::Tough:
        return "tough";
    case RatingBand::Expert:
        return "expert";
    case RatingBand::Trial:
        break;
    }
    return "trial";
}

} // namespace dodoru::logic
