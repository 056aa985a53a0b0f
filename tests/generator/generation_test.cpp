// Whole generations: seeded puzzles of every level, the puzzle shown, the log record, unwinding.
#include <stdexcept>

#include <gtest/gtest.h>

#include "generator_fixture.h"
#include "plain_solver.h"

namespace dodoru::testing {
namespace {

// The levels' acceptance rule, written out independently of the generator's table.
bool levelRuleHolds(int level, const CandidateTally& tally, int clues) {
    const int hard = tally[0];
    const int singles = tally[1] - clues;
    switch (level) {
    case 1:
        return hard >= 3;
    case 2:
        return hard >= 10 && hard <= 13;
    case 3:
        return hard >= 15 && hard <= 18 && singles <= 6;
    default:
        return hard >= 16 && singles <= 3;
    }
}

// The tally recomputed from the puzzle's givens alone.
CandidateTally independentTally(int level, const std::string& puzzle) {
    CandidateTally tally{};
    for (int n : candidateCounts(puzzle)) {
        ++tally[static_cast<std::size_t>(n)];
        const bool hard = level == 1 ? n == 2 : level <= 3 ? n == 3 : n >= 4;
        if (hard) ++tally[0];
    }
    return tally;
}

struct SeededCase {
    int level;
    std::uint64_t seed;
    const char* puzzle;  // pinned: the puzzle this build generates for the seed
};

class SeededGeneration : public ::testing::TestWithParam<SeededCase> {};

TEST_P(SeededGeneration, GivesAUniquePuzzleOfItsLevel) {
    const SeededCase& param = GetParam();
    TestWindow window;
    window.board.message().show(BoardMessage::SeveralSolutions);
    SeededRandom random(param.seed);
    RecordingLog log;
    log.onAppend = [&] {
        EXPECT_EQ(window.seen.shownCount, 0);  // logged before the puzzle is shown
        EXPECT_EQ(window.state.GenerateFlag, -1);
    };
    const GenerationResult result = window.generate(random, param.level, &log);
    ASSERT_EQ(result.outcome, GenerationOutcome::Accepted);
    const std::string puzzle = window.givens();
    EXPECT_EQ(puzzle, param.puzzle);
    EXPECT_EQ(result.level, param.level);

    // One solution, by an independent solver and by the engine.
    std::string solution;
    EXPECT_EQ(countSolutions(puzzle, 2, &solution), 1);
    EXPECT_EQ(snapshotText(result.puzzleSolution), solution);
    {
        TestWindow check;
        for (int c = 0; c < 81; ++c)
            if (puzzle[static_cast<std::size_t>(c)] != '0')
                check.board.cell(c).makeGiven(puzzle[static_cast<std::size_t>(c)] - '0');
        BoardSnapshot snapshot{};
        const SolveReport report = check.engine.SolveBoard(snapshot);
        EXPECT_EQ(report.verdict, SolveVerdict::Unique);
        EXPECT_EQ(report.addedCount, 0);
        EXPECT_EQ(snapshotText(snapshot), solution);
    }

    // The full grid, and the givens against it: a given that differs from the full grid is one that
    // a check added (with the digit of its second solution), and every such cell is marked.
    const std::string fullGrid = snapshotText(result.solution);
    EXPECT_EQ(countSolutions(fullGrid), 1);
    EXPECT_EQ(fullGrid.find('0'), std::string::npos);
    for (int c = 0; c < 81; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (window.state.CellMark[i] != 0) {
            EXPECT_TRUE(window.board.cell(c).isGiven()) << c;
        } else if (puzzle[i] != '0') {
            EXPECT_EQ(puzzle[i], fullGrid[i]) << c;
        }
    }

    // The tally and the level's rule.
    EXPECT_EQ(result.tally, independentTally(param.level, puzzle));
    EXPECT_TRUE(levelRuleHolds(param.level, result.tally, result.clueCount));

    // The shown puzzle.
    EXPECT_EQ(result.clueCount, window.board.givenCount());
    EXPECT_TRUE(window.onlyGivensAndEmptyCells());
    for (int c = 0; c < 81; ++c) {
        if (!window.board.cell(c).isGiven()) {
            EXPECT_EQ(window.board.cell(c).colour(), std::optional<Colour>(kPlainColour)) << c;
        }
    }
    EXPECT_EQ(window.state.GenerateFlag, 0);
    EXPECT_FALSE(window.board.message().visible);
    EXPECT_EQ(window.seen.shownCount, 1);
    EXPECT_EQ(window.seen.begunCount, result.grids);
    EXPECT_EQ(window.pump.polls, result.tries - 1);  // one event pass after every rejected try
    EXPECT_GE(result.tries, 1);

    // The record.
    ASSERT_EQ(log.records.size(), 1u);
    EXPECT_EQ(log.records[0].level, param.level);
    EXPECT_EQ(log.records[0].clueCount, result.clueCount);
    EXPECT_EQ(log.records[0].solutionCount, 1);
    EXPECT_EQ(log.records[0].tally, result.tally);
    EXPECT_TRUE(result.log.ok);

    // The same seed gives the same puzzle.
    TestWindow again;
    SeededRandom sameSeed(param.seed);
    const GenerationResult repeat = again.generate(sameSeed, param.level);
    EXPECT_EQ(again.givens(), puzzle);
    EXPECT_EQ(repeat.solution, result.solution);
    EXPECT_EQ(repeat.tries, result.tries);
    EXPECT_EQ(repeat.grids, result.grids);
    EXPECT_EQ(repeat.tally, result.tally);
}

INSTANTIATE_TEST_SUITE_P(
    AllLevels, SeededGeneration,
    ::testing::Values(
        SeededCase{1, 1, "903870041561400700004019523600352409240186357308790206100568030830947062496030070"},
        SeededCase{2, 1, "903800640001400700004009020607302009040086350008094200102560900830940000096001070"},
        SeededCase{3, 1, "921000600060003000700000500610302409240186050000000200172008004830947102090030000"},
        SeededCase{4, 1, "000800640000000700104009020600302009040086350008094200002500000830940000096000000"},
        SeededCase{5, 1, "920800640061000890780610520617350000050180300000000200196000000832007000000000000"},
        SeededCase{4, 3, "050070300460300070700620840007103000080700400000004001032840000914035000000000000"},
        SeededCase{5, 2, "975410300000395470010060890609040500580000040000100600430706000897000000000000000"},
        SeededCase{5, 3,
                   "562003010007216950090800420900704500670050100000000040130090000258000000000000000"}),
    [](const auto& row) {
        return "Level" + std::to_string(row.param.level) + "Seed" + std::to_string(row.param.seed);
    });

// A check that finds two solutions adds the differing cell with the digit of the second solution, so
// the accepted puzzle may be solved by another grid than the one it was carved from.
TEST(Generation, ChecksCanLeadToASolutionOtherThanTheFullGrid) {
    TestWindow window;
    SeededRandom random(1);
    const GenerationResult result = window.generate(random, 4);
    ASSERT_EQ(result.outcome, GenerationOutcome::Accepted);
    EXPECT_NE(result.solution, result.puzzleSolution);
    int differing = 0;
    for (std::size_t c = 0; c < 81; ++c) {
        if (!window.board.cell(static_cast<int>(c)).isGiven() ||
            result.solution[c] == result.puzzleSolution[c])
            continue;
        ++differing;
        EXPECT_NE(window.state.CellMark[c], 0) << c;
    }
    EXPECT_GT(differing, 0);
}

TEST(Generation, AFailedLogWriteIsReportedAndThePuzzleStillShown) {
    TestWindow window;
    SeededRandom random(4);
    RecordingLog log(LogWriteResult{false, "cannot write to out.txt: No space left on device"});
    const GenerationResult result = window.generate(random, 2, &log);
    EXPECT_EQ(result.outcome, GenerationOutcome::Accepted);
    EXPECT_FALSE(result.log.ok);
    EXPECT_EQ(result.log.error, "cannot write to out.txt: No space left on device");
    EXPECT_EQ(window.seen.shownCount, 1);
    EXPECT_EQ(window.board.givenCount(), result.clueCount);
    EXPECT_EQ(log.records.size(), 1u);
}

TEST(Generation, OnlyLevelsOneToFive) {
    TestWindow window;
    SeededRandom random(1);
    EXPECT_THROW(window.generate(random, 0), std::out_of_range);
    EXPECT_THROW(window.generate(random, 6), std::out_of_range);
    EXPECT_EQ(window.seen.begunCount, 0);
}

TEST(Generation, ConsecutiveCommandsOnOneWindow) {
    TestWindow window;
    SeededRandom random(8);
    RecordingLog log;
    for (int level = 1; level <= 5; ++level) {
        const GenerationResult result = window.generate(random, level, &log);
        ASSERT_EQ(result.outcome, GenerationOutcome::Accepted);
        EXPECT_EQ(countSolutions(window.givens()), 1);
    }
    ASSERT_EQ(log.records.size(), 5u);
    for (int level = 1; level <= 5; ++level)
        EXPECT_EQ(log.records[static_cast<std::size_t>(level - 1)].level, level);
}

// Unwinding in the event pass after a rejected try: the generation stops there.
TEST(Unwinding, AfterARejectedTryEndsTheGenerationWithNothingLogged) {
    TestWindow window;
    window.pump.unwindAtPoll = 1;
    SeededRandom random(1);
    RecordingLog log;
    int judged = 0;
    LambdaObserver observer;
    observer.judged = [&](const TryReport&) { ++judged; };
    const GenerationResult result = window.generate(random, 5, &log, &observer);
    EXPECT_EQ(result.outcome, GenerationOutcome::Interrupted);
    EXPECT_EQ(judged, 1);
    EXPECT_TRUE(log.records.empty());
    EXPECT_EQ(observer.shownCount, 0);
    EXPECT_EQ(window.state.GenerateFlag, 0);
    EXPECT_TRUE(window.onlyGivensAndEmptyCells());
}

// Unwinding inside a search (the seed solve or a check) ends the generation at once.
TEST(Unwinding, InsideASearchEndsTheGenerationAtOnce) {
    for (int unwindAt : {1, 3, 20, 200}) {
        TestWindow window(64);
        window.pump.unwindAtPoll = unwindAt;
        SeededRandom random(2);
        RecordingLog log;
        const GenerationResult result = window.generate(random, 5, &log);
        EXPECT_EQ(result.outcome, GenerationOutcome::Interrupted) << unwindAt;
        EXPECT_EQ(window.pump.polls, unwindAt) << unwindAt;  // nothing ran after the pump said unwind
        EXPECT_TRUE(log.records.empty());
        EXPECT_EQ(window.seen.shownCount, 0);
        EXPECT_EQ(window.state.GenerateFlag, 0);
        EXPECT_TRUE(window.onlyGivensAndEmptyCells()) << unwindAt;
    }
}

}  // namespace
}  // namespace dodoru::testing
