// Seeded generations pinned, try by try: the puzzles, and a digest of every try's report and of the
// window state the generation leaves. The values were taken from the node-by-node search; the solve
// routine's faster path must reproduce them bit for bit.
#include <cstdio>

#include <gtest/gtest.h>

#include "generator_fixture.h"

namespace dodoru::testing {
namespace {

// FNV-1a over 64-bit words.
class Digest {
public:
    void add(std::int64_t value) {
        auto bits = static_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i, bits >>= 8) {
            hash_ ^= bits & 0xFFu;
            hash_ *= 0x100000001B3ull;
        }
    }
    template <typename Range> void addAll(const Range& values) {
        for (const auto& v : values) add(static_cast<std::int64_t>(v));
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

struct TryDigest final : GenerationObserver {
    Digest digest;
    void tryJudged(const TryReport& r) override {
        digest.addAll(std::array<int, 8>{r.tryCount, r.removalCount, r.picks, r.emptied, r.solutionCount,
                                         r.clueCount, r.accepted ? 1 : 0, r.level});
        digest.addAll(r.tally);
    }
};

struct PinnedCase {
    int level;
    std::uint64_t seed;
    const char* puzzle;
    long tries;
    std::uint64_t digest;
};

class PinnedGeneration : public ::testing::TestWithParam<PinnedCase> {};

TEST_P(PinnedGeneration, ReproducesThePinnedRun) {
    const PinnedCase& pin = GetParam();
    TestWindow window;
    SeededRandom random(pin.seed);
    TryDigest tries;
    const GenerationResult result = window.generate(random, pin.level, nullptr, &tries);
    ASSERT_EQ(result.outcome, GenerationOutcome::Accepted);

    Digest& d = tries.digest;
    const WindowState& s = window.state;
    d.addAll(window.board.digits());
    d.addAll(window.board.givenMask());
    d.addAll(std::array<int, 3>{s.SolutionCount, s.RandomCell, result.clueCount});
    for (const CandidateRow& row : s.Candidates) d.addAll(row);
    d.addAll(s.Grid);
    d.addAll(s.FirstSolution);
    d.addAll(s.DiffCell);
    d.addAll(s.CellMark);
    d.addAll(s.DigitMap);
    d.addAll(result.solution);
    d.addAll(result.puzzleSolution);
    d.add(result.grids);

    EXPECT_EQ(window.givens(), pin.puzzle);
    EXPECT_EQ(result.tries, pin.tries);
    EXPECT_EQ(d.value(), pin.digest) << "{" << pin.level << ", " << pin.seed << ", \"" << window.givens()
                                     << "\", " << result.tries << ", 0x" << std::hex << d.value() << "ull}";
}

INSTANTIATE_TEST_SUITE_P(
    EveryLevel, PinnedGeneration,
    ::testing::Values(
        PinnedCase{1, 21, "650480039093206054480953206365041982147829365809005701234508017910074528008160090",
                   1, 0xc49bdd624bc8dde2ull},
        PinnedCase{1, 22, "708650193401983275900120460070290684040768059089345721204509836857036010006800507",
                   1, 0xa4b97f209e5802bbull},
        PinnedCase{2, 21, "050407100093200050480903276365040080047820300029605040234000607900370008500002090",
                   2, 0x7e8bd081b4048239ull},
        PinnedCase{2, 22, "708600003060080005905100000570091684040768309009305701014509800807000010000810500",
                   1, 0x19092614fc40a950ull},
        PinnedCase{3, 21, "000483009093006050080050200300700982140829005809300001030098017916004028000000000",
                   1, 0xf502c0100632f2bcull},
        PinnedCase{3, 22, "028604100460980070900120400500091004040700000000300020200579806057036912300002007",
                   13, 0x40cc6247a32ed976ull},
        PinnedCase{4, 21, "000480009093006050080000200300700980140829005009300001030008017916000008000000000",
                   1, 0x9086be550b480b0cull},
        PinnedCase{4, 22, "700600190000983200900020400570294600142060300000000020214570000857000000000000000",
                   7, 0x8361495ae2d6c88bull},
        PinnedCase{5, 21, "000746230430910070800300490921063700604090000050100600143629000296000000000000000",
                   80, 0x67e2c955aca69f18ull},
        PinnedCase{5, 22, "700600190000983200900020400570294600142060300000000020214570000857000000000000000",
                   7, 0xe37065a7e22a5356ull},
        PinnedCase{5, 23, "601740200002060370050200490507102040210600900000570030324050000900400000000000000",
                   637, 0x29f6bbf826900699ull}),
    [](const auto& row) {
        return "Level" + std::to_string(row.param.level) + "Seed" + std::to_string(row.param.seed);
    });

} // namespace
} // namespace dodoru::testing
