// Each technique on a position built for it: every cell starts empty with all nine candidates, the
// table row removes candidates (or places digits) to make the pattern, and the technique's finder must
// give exactly the expected placements and eliminations. Each technique also gets a position where it
// almost applies (one candidate more or less) and must find nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>

#include "logicsolver.h"
#include "techniques.h"

namespace {

using namespace dodoru::logic;

int cell(int row, int column) {
    return 9 * (row - 1) + column - 1;
} // 1-based, as rNcM

// Shapes a position: "g" and 81 digits places them; "r1c5=12" keeps candidates 1 and 2 of r1c5; "r1c5:7" places 7; "r1-5@c2c8" keeps
// digit 5 in row 1 only in columns 2 and 8; "c2-5@r1r7" the same along a column; "b5-5@r4c5r6c4" keeps
// digit 5 in a box only in the cells listed.
Position shaped(const std::string& spec) {
    Position p = Position::fromDigits({});
    std::istringstream in(spec);
    std::string item;
    while (in >> item) {
        if (item[0] == 'g') { // the digits of the whole grid, row by row, 0 for empty
            for (int c = 0; c < 81; ++c)
                if (item[static_cast<std::size_t>(c) + 1] != '0') p.place(c, item[static_cast<std::size_t>(c) + 1] - '0');
        } else if (item[0] == 'r' && item.find('-') != std::string::npos) {
            const int row = item[1] - '0', d = item[3] - '0';
            for (int column = 1; column <= 9; ++column)
                if (item.find("c" + std::to_string(column), 4) == std::string::npos)
                    p.eliminate(cell(row, column), d);
        } else if (item[0] == 'c') {
            const int column = item[1] - '0', d = item[3] - '0';
            for (int row = 1; row <= 9; ++row)
                if (item.find("r" + std::to_string(row), 4) == std::string::npos)
                    p.eliminate(cell(row, column), d);
        } else if (item[0] == 'b') {
            const int box = item[1] - '1', d = item[3] - '0';
            for (const int c : dodoru::unitCells(dodoru::boxUnit(box))) {
                const std::string name = "r" + std::to_string(c / 9 + 1) + "c" + std::to_string(c % 9 + 1);
                if (item.find(name, 4) == std::string::npos) p.eliminate(c, d);
            }
        } else {
            const int c = cell(item[1] - '0', item[3] - '0');
            if (item[4] == ':') {
                p.place(c, item[5] - '0');
            } else {
                for (int d = 1; d <= 9; ++d)
                    if (item.find(static_cast<char>('0' + d), 5) == std::string::npos) p.eliminate(c, d);
            }
        }
    }
    return p;
}

// "r1c9=9" a placement, "r3c2-5" an elimination, in any order; written back sorted as the finder sorts.
std::string effects(const Step& step) {
    std::string out;
    const auto name = [](int c) { return "r" + std::to_string(c / 9 + 1) + "c" + std::to_string(c % 9 + 1); };
    for (const CellDigit& p : step.placements)
        out += (out.empty() ? "" : " ") + name(p.cell) + "=" + std::to_string(p.digit);
    for (const CellDigit& e : step.eliminations)
        out += (out.empty() ? "" : " ") + name(e.cell) + "-" + std::to_string(e.digit);
    return out;
}

struct TechniqueCase {
    const char* name;
    Technique technique;
    std::string position;
    const char* expected; // "" when the technique must find nothing
    bool unique = true;   // the puzzle is known to have one solution
};

const std::string kRow1Places8 = "r1c1:1 r1c2:2 r1c3:3 r1c4:4 r1c5:5 r1c6:6 r1c7:7 r1c8:8";

// A position late in a puzzle's path: all but 17 cells filled.
const std::string kBugGrid =
    "g394751268761328945582060001925080607876002054143576829237840006418600002659217483";
const std::string kBugCells = " r3c4=49 r3c6=49 r3c7=37 r3c8=37 r4c4=14 r4c6=34 r4c8=13 r5c4=19 r5c5=39 "
                              "r5c7=13 r7c6=59 r7c7=15 r7c8=19 r8c5=39 r8c8=79";

const TechniqueCase kCases[] = {
    {"FullHouse", Technique::FullHouse, "r1c1:1 r1c2:2 r1c3:3 r1c4:4 r1c5:5 r1c6:6 r1c7:7 r1c8:8", "r1c9=9"},
    {"FullHouseTwoLeft", Technique::FullHouse, "r1c1:1 r1c2:2 r1c3:3 r1c4:4 r1c5:5 r1c6:6 r1c7:7", ""},
    {"NakedSingle", Technique::NakedSingle, "r5c5=4", "r5c5=4"},
    {"NakedSingleTwoLeft", Technique::NakedSingle, "r5c5=46", ""},
    {"HiddenSingle", Technique::HiddenSingle, "b1-7@r2c2", "r2c2=7"},
    {"HiddenSingleTwoPlaces", Technique::HiddenSingle, "b1-7@r2c2r3c3", ""},
    {"Pointing", Technique::LockedPointing, "b1-3@r1c1r1c2", "r1c4-3 r1c5-3 r1c6-3 r1c7-3 r1c8-3 r1c9-3"},
    {"PointingSpread", Technique::LockedPointing, "b1-3@r1c1r1c2r2c3", ""},
    {"Claiming", Technique::LockedClaiming, "r1-3@c1c2c3", "r2c1-3 r2c2-3 r2c3-3 r3c1-3 r3c2-3 r3c3-3"},
    {"ClaimingSpread", Technique::LockedClaiming, "r1-3@c1c2c4", ""},
    {"NakedPair", Technique::NakedPair, "r1c1=12 r1c5=12",
     "r1c2-1 r1c2-2 r1c3-1 r1c3-2 r1c4-1 r1c4-2 r1c6-1 r1c6-2 r1c7-1 r1c7-2 r1c8-1 r1c8-2 r1c9-1 r1c9-2"},
    {"NakedPairBroken", Technique::NakedPair, "r1c1=12 r1c5=13", ""},
    {"HiddenPair", Technique::HiddenPair, "r1-4@c1c5 r1-5@c1c5",
     "r1c1-1 r1c1-2 r1c1-3 r1c1-6 r1c1-7 r1c1-8 r1c1-9 r1c5-1 r1c5-2 r1c5-3 r1c5-6 r1c5-7 r1c5-8 r1c5-9"},
    {"HiddenPairBroken", Technique::HiddenPair, "r1-4@c1c5 r1-5@c1c5c9", ""},
    {"NakedTriple", Technique::NakedTriple, "r1c1=12 r1c5=23 r1c9=13",
     "r1c2-1 r1c2-2 r1c2-3 r1c3-1 r1c3-2 r1c3-3 r1c4-1 r1c4-2 r1c4-3 r1c6-1 r1c6-2 r1c6-3 r1c7-1 r1c7-2 "
     "r1c7-3 "
     "r1c8-1 r1c8-2 r1c8-3"},
    {"NakedTripleBroken", Technique::NakedTriple, "r1c1=12 r1c5=23 r1c9=14", ""},
    {"HiddenTriple", Technique::HiddenTriple, "r1-4@c1c5 r1-5@c5c9 r1-6@c1c9",
     "r1c1-1 r1c1-2 r1c1-3 r1c1-7 r1c1-8 r1c1-9 r1c5-1 r1c5-2 r1c5-3 r1c5-7 r1c5-8 r1c5-9 "
     "r1c9-1 r1c9-2 r1c9-3 r1c9-7 r1c9-8 r1c9-9"},
    {"HiddenTripleBroken", Technique::HiddenTriple, "r1-4@c1c5 r1-5@c5c9 r1-6@c1c2", ""},
    {"NakedQuad", Technique::NakedQuad, "r1c1=12 r1c4=23 r1c7=34 r1c9=14",
     "r1c2-1 r1c2-2 r1c2-3 r1c2-4 r1c3-1 r1c3-2 r1c3-3 r1c3-4 r1c5-1 r1c5-2 r1c5-3 r1c5-4 "
     "r1c6-1 r1c6-2 r1c6-3 r1c6-4 r1c8-1 r1c8-2 r1c8-3 r1c8-4"},
    {"NakedQuadBroken", Technique::NakedQuad, "r1c1=12 r1c4=23 r1c7=34 r1c9=15", ""},
    {"HiddenQuad", Technique::HiddenQuad, "r1-5@c1c4 r1-6@c4c7 r1-7@c7c9 r1-8@c1c9",
     "r1c1-1 r1c1-2 r1c1-3 r1c1-4 r1c1-9 r1c4-1 r1c4-2 r1c4-3 r1c4-4 r1c4-9 "
     "r1c7-1 r1c7-2 r1c7-3 r1c7-4 r1c7-9 r1c9-1 r1c9-2 r1c9-3 r1c9-4 r1c9-9"},
    {"HiddenQuadBroken", Technique::HiddenQuad, "r1-5@c1c4 r1-6@c4c7 r1-7@c7c9 r1-8@c1c2", ""},
    {"XWing", Technique::XWing, "r1-5@c2c8 r5-5@c2c8",
     "r2c2-5 r2c8-5 r3c2-5 r3c8-5 r4c2-5 r4c8-5 r6c2-5 r6c8-5 r7c2-5 r7c8-5 r8c2-5 r8c8-5 r9c2-5 r9c8-5"},
    {"XWingBroken", Technique::XWing, "r1-5@c2c8 r5-5@c2c4c8", ""},
    {"Swordfish", Technique::Swordfish, "r1-5@c1c5 r5-5@c5c9 r9-5@c1c9",
     "r2c1-5 r2c5-5 r2c9-5 r3c1-5 r3c5-5 r3c9-5 r4c1-5 r4c5-5 r4c9-5 r6c1-5 r6c5-5 r6c9-5 "
     "r7c1-5 r7c5-5 r7c9-5 r8c1-5 r8c5-5 r8c9-5"},
    {"SwordfishBroken", Technique::Swordfish, "r1-5@c1c5 r5-5@c5c9 r9-5@c1c8", ""},
    {"Jellyfish", Technique::Jellyfish, "r1-5@c1c3 r3-5@c3c5 r5-5@c5c7 r7-5@c1c7",
     "r2c1-5 r2c3-5 r2c5-5 r2c7-5 r4c1-5 r4c3-5 r4c5-5 r4c7-5 r6c1-5 r6c3-5 r6c5-5 r6c7-5 "
     "r8c1-5 r8c3-5 r8c5-5 r8c7-5 r9c1-5 r9c3-5 r9c5-5 r9c7-5"},
    {"JellyfishBroken", Technique::Jellyfish, "r1-5@c1c3 r3-5@c3c5 r5-5@c5c7 r7-5@c1c8", ""},
    // Rows 1 and 5 share column 1; the other ends r1c5 and r5c6 see r2c6, r3c6, r4c5 and r6c5.
    {"Skyscraper", Technique::Skyscraper, "r1-5@c1c5 r5-5@c1c6", "r2c6-5 r3c6-5 r4c5-5 r6c5-5"},
    {"SkyscraperIsAnXWing", Technique::Skyscraper, "r1-5@c1c5 r5-5@c1c5", ""},
    // Row 1 (r1c1, r1c7) and column 2 (r2c2, r7c2) meet in box 1; r7c7 sees both far ends.
    {"TwoStringKite", Technique::TwoStringKite, "r1-5@c1c7 c2-5@r2r7", "r7c7-5"},
    {"TwoStringKiteLoose", Technique::TwoStringKite, "r1-5@c1c7 c2-5@r2r7r9", ""},
    {"XYWing", Technique::XYWing, "r5c5=12 r5c8=13 r8c5=23", "r8c8-3"},
    {"XYWingBroken", Technique::XYWing, "r5c5=12 r5c8=13 r8c5=24", ""},
    {"XYZWing", Technique::XYZWing, "r5c5=123 r5c4=13 r2c5=23", "r4c5-3 r6c5-3"},
    {"XYZWingBroken", Technique::XYZWing, "r5c5=123 r5c4=14 r2c5=23", ""},
    // r1c1 and r5c5 hold 1 and 2; row 9's 1 is in r9c1 or r9c5, which see them: one of them is 2.
    {"WWing", Technique::WWing, "r1c1=12 r5c5=12 r9-1@c1c5", "r1c5-2 r5c1-2"},
    {"WWingLoose", Technique::WWing, "r1c1=12 r5c5=12 r9-1@c1c5c9", ""},
    {"UniqueRectangle", Technique::UniqueRectangle, "r1c1=12 r1c5=12 r2c1=12 r2c5=1256", "r2c5-1 r2c5-2"},
    {"UniqueRectangleUnknownUniqueness", Technique::UniqueRectangle, "r1c1=12 r1c5=12 r2c1=12 r2c5=1256", "",
     false},
    {"UniqueRectangleOtherPair", Technique::UniqueRectangle, "r1c1=12 r1c5=12 r2c1=13 r2c5=1256", ""},
    // Digit 5: r1c1 - r1c5 (row 1) - r6c5 (column 5) - r4c4 (box 5); r4c1 sees r1c1 and r4c4, of
    // the two colours.
    {"SimpleColouring", Technique::SimpleColouring, "r1-5@c1c5 c5-5@r1r6 b5-5@r4c4r6c5", "r4c1-5"},
    {"SimpleColouringShort", Technique::SimpleColouring, "r1-5@c1c5 c5-5@r1r5r6 b5-5@r4c4r5c5r6c5", ""},
    // r1c1 {1,2} - r1c6 {2,3} - r5c6 {3,4} - r5c9 {4,1}: r1c1 or r5c9 is 1.
    {"XYChain", Technique::XYChain, "r1c1=12 r1c6=23 r5c6=34 r5c9=14", "r1c9-1 r5c1-1"},
    {"XYChainOpen", Technique::XYChain, "r1c1=12 r1c6=23 r5c6=34 r5c9=45", ""},
    // 7 in column 9 is in r1c9 or r5c9; r5c5 holds 1 or 7; 1 in row 1 is in r1c1 or r1c5. So r1c9 is 7 or
    // r1c1 is 1: r1c1 cannot be 7.
    {"ForcingChain", Technique::ForcingChain, "c9-7@r1r5 r5c5=17 r1-1@c1c5", "r1c1-7"},
    {"ForcingChainBroken", Technique::ForcingChain, "c9-7@r1r5 r5c5=179 r1-1@c1c5", ""},
    // A fin in the box of the cover line's end: either it holds 5 or the X-wing does.
    {"FinnedXWing", Technique::FinnedXWing, "r1-5@c2c8 r5-5@c2c8c9", "r4c8-5 r6c8-5"},
    {"FinnedXWingFinAway", Technique::FinnedXWing, "r1-5@c2c8 r5-5@c2c5c8", ""},
    {"FinnedSwordfish", Technique::FinnedSwordfish, "r1-5@c1c5 r5-5@c5c9 r9-5@c1c8c9", "r7c9-5 r8c9-5"},
    {"FinnedSwordfishFinsInTwoBoxes", Technique::FinnedSwordfish, "r1-5@c1c5 r5-5@c2c5c9 r9-5@c1c8c9", ""},
    // Box 1 holds 5 only in row 2 and column 2; column 7's 5 is in row 2 or row 8.
    {"EmptyRectangle", Technique::EmptyRectangle, "b1-5@r2c1r2c3r1c2r3c2 c7-5@r2r8", "r8c2-5"},
    {"EmptyRectangleNoCross", Technique::EmptyRectangle, "b1-5@r1c1r2c1r2c3r1c2r3c2 c7-5@r2r8", ""},
    {"UniqueRectangle2", Technique::UniqueRectangle2, "r1c1=12 r1c5=12 r2c1=123 r2c5=123",
     "r2c2-3 r2c3-3 r2c4-3 r2c6-3 r2c7-3 r2c8-3 r2c9-3"},
    {"UniqueRectangle2TwoExtras", Technique::UniqueRectangle2, "r1c1=12 r1c5=12 r2c1=123 r2c5=124", ""},
    {"UniqueRectangle4", Technique::UniqueRectangle4, "r1c1=12 r1c5=12 r2c1=1236 r2c5=1247 r2-1@c1c5",
     "r2c1-2 r2c5-2"},
    {"UniqueRectangle4Loose", Technique::UniqueRectangle4, "r1c1=12 r1c5=12 r2c1=1236 r2c5=1247 r2-1@c1c5c9",
     ""},
    {"UniqueRectangle4UnknownUniqueness", Technique::UniqueRectangle4,
     "r1c1=12 r1c5=12 r2c1=1236 r2c5=1247 r2-1@c1c5", "", false},
    // r1c1 holds just 1 and 2; 1 has no other place in r2c5's row and column than the rectangle.
    {"HiddenRectangle", Technique::HiddenRectangle, "r1c1=12 r2-1@c1c5 c5-1@r1r2", "r2c5-2"},
    {"HiddenRectangleLooseColumn", Technique::HiddenRectangle, "r1c1=12 r2-1@c1c5 c5-1@r1r2r7", ""},
    {"HiddenRectangleUnknownUniqueness", Technique::HiddenRectangle, "r1c1=12 r2-1@c1c5 c5-1@r1r2", "", false},
    // Every empty cell holds two candidates but r8c6, whose 9 has three places in its row, column and
    // box: without it the position would be a deadly pattern.
    {"BugPlusOne", Technique::BugPlusOne, kBugGrid + " r8c6=359 r8c7=57" + kBugCells, "r8c6=9"},
    {"BugPlusOneWithoutTheOddCell", Technique::BugPlusOne, kBugGrid + " r8c6=35 r8c7=57" + kBugCells, ""},
    {"BugPlusOneUnknownUniqueness", Technique::BugPlusOne, kBugGrid + " r8c6=359 r8c7=57" + kBugCells, "", false},
    // Only 4 lives in cells that do not all see each other: it is in one of them.
    {"WXYZWing", Technique::WXYZWing, "r5c5=1234 r5c1=14 r4c4=24 r6c6=34", "r5c4-4 r5c6-4"},
    {"WXYZWingTwoLooseDigits", Technique::WXYZWing, "r5c5=1234 r5c1=34 r4c4=24 r6c6=34", ""},
    // r1c1 is 1 or 2, and each links to r1c5 by its row: r1c5 holds both colours, so it is 1 or 2.
    {"Medusa3D", Technique::Medusa3D, "r1c1=12 r1c5=123 r1-1@c1c5 r1-2@c1c5", "r1c5-3"},
    {"Medusa3DOneColourInTheCell", Technique::Medusa3D, "r1c1=12 r1c5=123 r1-1@c1c5 r1-2@c1c5c9", ""},
    // r1c1 and r1c2 hold 1, 2 and 3; r5c2 holds 2 and 3. Their 3s see each other, so one of them is
    // without 3 and locked: 2 is in r1c1 or r5c2.
    {"AlsXZ", Technique::AlsXZ, "r1c1=12 r1c2=13 r5c2=23", "r2c2-2 r3c2-2 r4c1-2 r5c1-2 r6c1-2"},
    {"AlsXZNotRestricted", Technique::AlsXZ, "r1c1=12 r1c2=13 r5c3=23", ""},
    {"AlsXYWing", Technique::AlsXYWing, "r5c5=12 r5c1=14 r5c2=34 r1c5=23", "r1c2-3"},
    {"AlsXYWingUnlinked", Technique::AlsXYWing, "r5c5=12 r5c1=14 r5c2=34 r1c6=23", ""},
    // Row 1's 5 is in r1c1 or in r1c7/r1c8 together, which see r3c9.
    {"GroupedChain", Technique::GroupedChain, "r1-5@c1c7c8 c9-5@r3r7", "r7c1-5"},
    {"GroupedChainLoose", Technique::GroupedChain, "r1-5@c1c7c8 c9-5@r3r7r8", ""},
    // r5c2 is not 2 ⇒ it is 3 ⇒ r1c2 is not 3 ⇒ the set r1c1 r1c2 holds 1 and 2 ⇒ 2 is in r1c1 or r1c2.
    {"AlsChain", Technique::AlsChain, "r1c1=12 r1c2=123 r5c2=23", "r2c2-2 r3c2-2"},
    {"AlsChainNoSet", Technique::AlsChain, "r1c1=124 r1c2=123 r5c2=23", ""},
    // r1c1 = 2 makes r2c1 3 and then r1c2 1: either way 1 is in r1c1 or r1c2, and the rest of row 1 and
    // box 1 lose it.
    {"CellForcingChain", Technique::CellForcingChain, "r1c1=12 r1c2=13 r2c1=23",
     "r1c3-1 r1c4-1 r1c5-1 r1c6-1 r1c7-1 r1c8-1 r1c9-1 r2c2-1 r2c3-1 r3c1-1 r3c2-1 r3c3-1"},
    {"CellForcingChainOpen", Technique::CellForcingChain, "r1c1=12 r1c2=134 r2c1=23", ""},
    // Row 1's 5 in r1c1 makes r2c2 7; in r1c5 it makes r3c6 7; either way the cells seeing both lose 7.
    {"UnitForcingChain", Technique::UnitForcingChain, "r1-5@c1c5 r2c2=57 r3c6=57",
     "r2c4-7 r2c5-7 r2c6-7 r3c1-7 r3c2-7 r3c3-7"},
    {"UnitForcingChainOpen", Technique::UnitForcingChain, "r1-5@c1c5 r2c2=57 r3c6=578", ""},
    // r1c1 = 1 would leave r1c2 and r1c3 both 3.
    {"Contradiction", Technique::Contradiction, "r1c1=12 r1c2=13 r1c3=13", "r1c1-1"},
    // The search that a guess rests on finds the same.
    {"Guess", Technique::Guess, "r1c1=12 r1c2=13 r1c3=13", "r1c1-1"},
};

class TechniqueTest : public testing::TestWithParam<TechniqueCase> {};

TEST_P(TechniqueTest, FindsExactlyTheExpectedStep) {
    const TechniqueCase& c = GetParam();
    const Position position = shaped(c.position);
    ASSERT_FALSE(position.broken());
    const auto step = findStep(position, c.technique, StepOptions{c.unique});
    if (std::string(c.expected).empty()) {
        EXPECT_FALSE(step.has_value()) << effects(*step);
        return;
    }
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(effects(*step), c.expected);
    EXPECT_FALSE(step->cells.empty());
    EXPECT_NE(step->digits, 0);
}

INSTANTIATE_TEST_SUITE_P(Techniques, TechniqueTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TechniqueCase>& row) {
                             return std::string(row.param.name);
                         });

// The path takes the simplest technique first: a full house and a naked single on one board.
TEST(TechniqueOrder, SimplestTechniqueComesFirst) {
    Position p = shaped(kRow1Places8 + " r5c5=4");
    auto step = nextStep(p);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, Technique::FullHouse);
    EXPECT_EQ(step->unit, (Unit{UnitKind::Row, 0}));
    applyStep(p, *step);
    step = nextStep(p);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, Technique::NakedSingle);
}

// Chains are read as implications, in order: the grouped chain above from its start to its end, and a
// contradiction with the singles that follow its assumption and where they fail.
TEST(TechniqueProofs, ChainsAndContradictionsKeepTheirOrder) {
    const auto chain = findStep(shaped("r1-5@c1c7c8 c9-5@r3r7"), Technique::GroupedChain);
    ASSERT_TRUE(chain);
    const std::vector<ChainNode> expected = {{{cell(1, 1)}, 5, false},
                                             {{cell(1, 7), cell(1, 8)}, 5, true},
                                             {{cell(3, 9)}, 5, false},
                                             {{cell(7, 9)}, 5, true}};
    EXPECT_EQ(chain->chain, expected);
    EXPECT_EQ(chain->ratingTenths(), 68); // a short grouped chain on one digit: the technique's own rating

    const auto proof = findStep(shaped("r1c1=12 r1c2=13 r1c3=13"), Technique::Contradiction);
    ASSERT_TRUE(proof && proof->contradiction);
    EXPECT_EQ(proof->contradiction->assume, (CellDigit{cell(1, 1), 1}));
    EXPECT_EQ(proof->contradiction->placements, (std::vector<CellDigit>{{cell(1, 2), 3}}));
    EXPECT_EQ(proof->contradiction->failCell, cell(1, 3));
    EXPECT_TRUE(proof->inner.empty());
    EXPECT_EQ(proof->ratingTenths(), 80);

    // A cell forcing chain keeps one branch a candidate, each with the singles it needs, in order.
    const auto forcing = findStep(shaped("r1c1=12 r1c2=13 r2c1=23"), Technique::CellForcingChain);
    ASSERT_TRUE(forcing);
    const std::vector<Branch> branches = {{{cell(1, 1), 1}, {}, {}},
                                          {{cell(1, 1), 2}, {{cell(2, 1), 3}, {cell(1, 2), 1}}, {}}};
    EXPECT_EQ(forcing->branches, branches);
    EXPECT_EQ(forcing->ratingTenths(), 70);
}

// The longer a chain, and the more digits it uses, the higher it rates; always within the expert band.
TEST(TechniqueProofs, ChainsRateByLengthAndDigits) {
    Step step;
    step.technique = Technique::ForcingChain;
    const auto rated = [&](int nodes, int digits) {
        step.chain.clear();
        for (int n = 0; n < nodes; ++n) step.chain.push_back({{n}, 1 + n % digits, n % 2 == 1});
        return step.ratingTenths();
    };
    EXPECT_EQ(rated(4, 1), 65);
    EXPECT_LT(rated(6, 1), rated(10, 1));
    EXPECT_LT(rated(10, 1), rated(10, 3));
    EXPECT_EQ(rated(40, 9), 79);
}

TEST(TechniqueFacts, IdsAreUniqueAndRatingsRiseWithTheOrder) {
    int previous = 0;
    for (const Technique t : allTechniques()) {
        EXPECT_EQ(techniqueById(techniqueId(t)), t);
        EXPECT_GE(techniqueRatingTenths(t), previous) << techniqueId(t);
        previous = techniqueRatingTenths(t);
    }
    EXPECT_EQ(techniqueRatingTenths(Technique::FullHouse), 10);
    // Every technique below the chains sits in the band the README names for it.
    EXPECT_EQ(ratingBand(techniqueRatingTenths(Technique::FinnedXWing)), RatingBand::Tough);
    EXPECT_EQ(ratingBand(techniqueRatingTenths(Technique::WXYZWing)), RatingBand::Tough);
    EXPECT_EQ(ratingBand(techniqueRatingTenths(Technique::XYChain)), RatingBand::Expert);
    EXPECT_EQ(ratingBand(techniqueRatingTenths(Technique::Contradiction)), RatingBand::Expert);
    EXPECT_EQ(techniqueRatingTenths(Technique::Guess), 90);
}

// The almost locked sets that the finders share are those a plain search finds: in the order of the
// units (boxes, rows, columns) and sizes, n cells holding n + 1 digits, a set of cells only the first
// time it comes; and two sets without a common cell are linked by each digit whose cells in one all see
// its cells in the other. Positions along the path of a hard puzzle.
TEST(AlmostLockedSets, EachSetOnceAndEveryRestrictedDigitLinked) {
    DigitGrid givens{};
    const std::string puzzle =
        "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";
    for (std::size_t c = 0; c < 81; ++c)
        givens[c] = static_cast<std::uint8_t>(puzzle[c] == '.' ? 0 : puzzle[c] - '0');
    Position p = Position::fromDigits(givens);
    for (int turn = 0; turn < 6; ++turn) {
        const detail::Scan scan(p, true);
        std::vector<std::vector<int>> expected;
        for (int n = 0; n < 27; ++n) {
            const int u = (n + 18) % 27; // boxes, rows, columns
            std::vector<int> open;
            for (const int c : dodoru::unitCells(u))
                if (p.digit(c) == 0) open.push_back(c);
            for (int size = 1; size <= 4 && size < static_cast<int>(open.size()); ++size)
                detail::forEachCombination(
                    static_cast<int>(open.size()), size, [&](const std::array<int, 4>& pick) {
                        std::vector<int> cells;
                        Digits digits = 0;
                        for (int i = 0; i < size; ++i) {
                            cells.push_back(
                                open[static_cast<std::size_t>(pick[static_cast<std::size_t>(i)])]);
                            digits |= p.candidates(cells.back());
                        }
                        if (digitCount(digits) == size + 1 &&
                            std::find(expected.begin(), expected.end(), cells) == expected.end())
                            expected.push_back(cells);
                        return false;
                    });
        }
        const std::vector<detail::Als>& sets = detail::almostLockedSets(scan);
        std::vector<std::vector<int>> found;
        for (const detail::Als& als : sets) found.push_back(als.cells);
        ASSERT_EQ(found, expected);

        const detail::AlsLinks& links = detail::almostLockedSetLinks(scan);
        for (std::size_t i = 0; i < sets.size(); ++i) {
            std::vector<std::pair<int, int>> linked, listed;
            for (std::size_t j = 0; j < sets.size(); ++j) {
                if (j == i || (sets[i].all & sets[j].all).any()) continue;
                for (int d = 1; d <= 9; ++d) {
                    bool restricted = (sets[i].digits & sets[j].digits & digitBit(d)) != 0;
                    for (const int a : sets[i].cells)
                        for (const int b : sets[j].cells)
                            if (p.has(a, d) && p.has(b, d) && !dodoru::sees(a, b)) restricted = false;
                    if (restricted) linked.emplace_back(static_cast<int>(j), d);
                }
            }
            for (const detail::AlsLink& link : links.of(i)) listed.emplace_back(link.other, link.digit);
            ASSERT_EQ(listed, linked) << "set " << i;
        }
        for (int step = 0; step < 5; ++step)
            if (auto next = nextStep(p)) applyStep(p, *next);
    }
}

} // namespace
