#include "technique.h"

#include <algorithm>

#include "techniques.h"

namespace dodoru::logic {

namespace {

using namespace detail;

using Finder = std::optional<Step> (*)(const Scan&);

struct TechniqueRow {
    Technique technique;
    std::string_view id;
    int ratingTenths;
    Finder find;
};

// The technique table: one row a technique, in the order of the enum, which is the order of the search.
// Ratings never fall along the table, and each band holds the techniques it names in the README.
constexpr std::array<TechniqueRow, kTechniqueCount> kTable = {{
    {Technique::FullHouse, "full_house", 10, findFullHouse},
    {Technique::NakedSingle, "naked_single", 12, findNakedSingle},
    {Technique::HiddenSingle, "hidden_single", 15, findHiddenSingle},
    {Technique::LockedPointing, "locked_candidates_pointing", 26, findPointing},
    {Technique::LockedClaiming, "locked_candidates_claiming", 28, findClaiming},
    {Technique::NakedPair, "naked_pair", 30, [](const Scan& s) { return findNakedSubset(s, 2); }},
    {Technique::XWing, "x_wing", 32, [](const Scan& s) { return findFish(s, 2); }},
    {Technique::HiddenPair, "hidden_pair", 34, [](const Scan& s) { return findHiddenSubset(s, 2); }},
    {Technique::NakedTriple, "naked_triple", 36, [](const Scan& s) { return findNakedSubset(s, 3); }},
    {Technique::Swordfish, "swordfish", 38, [](const Scan& s) { return findFish(s, 3); }},
    {Technique::HiddenTriple, "hidden_triple", 40, [](const Scan& s) { return findHiddenSubset(s, 3); }},
    {Technique::FinnedXWing, "finned_x_wing", 41, [](const Scan& s) { return findFinnedFish(s, 2); }},
    {Technique::Skyscraper, "skyscraper", 42, findSkyscraper},
    {Technique::TwoStringKite, "two_string_kite", 43, findTwoStringKite},
    {Technique::XYWing, "xy_wing", 44, findXYWing},
    {Technique::EmptyRectangle, "empty_rectangle", 45, findEmptyRectangle},
    {Technique::XYZWing, "xyz_wing", 46, findXYZWing},
    {Technique::WWing, "w_wing", 47, findWWing},
    {Technique::UniqueRectangle, "unique_rectangle", 48, findUniqueRectangle},
    {Technique::UniqueRectangle2, "unique_rectangle_2", 49, findUniqueRectangle2},
    {Technique::UniqueRectangle4, "unique_rectangle_4", 49, findUniqueRectangle4},
    {Technique::NakedQuad, "naked_quad", 50, [](const Scan& s) { return findNakedSubset(s, 4); }},
    {Technique::HiddenRectangle, "hidden_rectangle", 51, findHiddenRectangle},
    {Technique::Jellyfish, "jellyfish", 52, [](const Scan& s) { return findFish(s, 4); }},
    {Technique::BugPlusOne, "bug_plus_one", 53, findBugPlusOne},
    {Technique::HiddenQuad, "hidden_quad", 54, [](const Scan& s) { return findHiddenSubset(s, 4); }},
    {Technique::FinnedSwordfish, "finned_swordfish", 55, [](const Scan& s) { return findFinnedFish(s, 3); }},
    {Technique::SimpleColouring, "simple_colouring", 56, findSimpleColouring},
    {Technique::WXYZWing, "wxyz_wing", 58, findWXYZWing},
    {Technique::Medusa3D, "3d_medusa", 59, findMedusa},
    {Technique::XYChain, "xy_chain", 60, findXYChain},
    {Technique::AlsXZ, "als_xz", 62, findAlsXZ},
    {Technique::AlsXYWing, "als_xy_wing", 63, findAlsXYWing},
    {Technique::ForcingChain, "forcing_chain", 65, findForcingChain},
    {Technique::GroupedChain, "grouped_chain", 68, findGroupedChain},
    {Technique::AlsChain, "als_chain", 69, findAlsChain},
    {Technique::CellForcingChain, "cell_forcing_chain", 70, findCellForcingChain},
    {Technique::UnitForcingChain, "unit_forcing_chain", 72, findUnitForcingChain},
    {Technique::Contradiction, "contradiction", 80, findContradiction},
    {Technique::Guess, "guess", 90, findGuess},
}};

const TechniqueRow& rowOf(Technique technique) {
    return kTable[static_cast<std::size_t>(technique)];
}

} // namespace

std::array<Technique, kTechniqueCount> allTechniques() {
    std::array<Technique, kTechniqueCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = kTable[i].technique;
    return all;
}

std::string_view techniqueId(Technique technique) {
    return rowOf(technique).id;
}

std::optional<Technique> techniqueById(std::string_view id) {
    for (const TechniqueRow& row : kTable)
        if (row.id == id) return row.technique;
    return std::nullopt;
}

bool isSingle(Technique technique) {
    return technique == Technique::FullHouse || technique == Technique::NakedSingle ||
           technique == Technique::HiddenSingle;
}

int techniqueRatingTenths(Technique technique) {
    return rowOf(technique).ratingTenths;
}

namespace detail {

std::optional<Step> findWith(const Scan& scan, Technique technique) {
    return rowOf(technique).find(scan);
}

} // namespace detail

int Step::ratingTenths() const {
    const int base = techniqueRatingTenths(technique);
    const int nodes = static_cast<int>(chain.size());
    Digits chainDigits = 0;
    bool grouped = false;
    for (const ChainNode& node : chain) {
        chainDigits |= digitBit(node.digit);
        grouped = grouped || node.cells.size() > 1;
    }
    switch (technique) {
    case Technique::XYChain:
        // Three cells rate 6.0; each further cell a tenth more, up to 6.4.
        return base + std::clamp(nodes / 2 - 3, 0, 4);
    case Technique::ForcingChain:
    case Technique::GroupedChain:
    case Technique::AlsChain:
        // A tenth for every two links past the fifth, and one for each digit past the first: 6.5 .. 7.9
        // (grouped 6.8 .., through almost locked sets 6.9 ..).
        return std::min(79, base + std::clamp((nodes - 6) / 2, 0, 8) + digitCount(chainDigits) - 1);
    case Technique::CellForcingChain:
    case Technique::UnitForcingChain: {
        // A tenth for every four singles the branches hold past the first four, and one for each branch
        // past the second: 7.0 .. 7.9 (unit 7.2 ..).
        int singles = 0, netTurns = 0;
        for (const Branch& branch : branches) {
            singles += static_cast<int>(branch.placements.size());
            netTurns += static_cast<int>(branch.inner.size());
        }
        // A net (a branch that needs more than singles) rates 7.6, a tenth more for every eight turns its
        // branches take past the first eight, at most 7.9.
        if (netTurns > 0) return std::min(79, 76 + std::max(0, (singles + netTurns - 1) / 8 - 1));
        const int spread = static_cast<int>(branches.size()) - 2;
        return std::min(79, base + std::clamp((singles - 1) / 4, 0, 7) + std::max(0, spread));
    }
    case Technique::Contradiction: {
        // Singles alone: 8.0 .. 8.5 by the number of singles; with steps between them: 8.6 .. 8.9.
        if (inner.empty())
            return base + std::clamp(contradiction ? static_cast<int>(contradiction->placements.size()) / 8 : 0,
                                     0, 5);
        int hardestInner = 0;
        for (const Step& step : inner) hardestInner = std::max(hardestInner, step.ratingTenths());
        return 86 + (hardestInner >= 60 ? 2 : hardestInner >= 40 ? 1 : 0) + (inner.size() > 20 ? 1 : 0);
    }
    default:
        break;
    }
    (void)grouped;
    return base;
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
