#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine.h"
#include "generator.h"
#include "seededrandom.h"

namespace dodoru::testing {

// A pump that counts its polls. It polls only when asked (pollNow) unless a stride is given, and
// answers Unwind from its `unwindAtPoll`-th poll on (0: never).
class CountingPump final : public EventPump {
public:
    explicit CountingPump(std::uint32_t stride = UINT32_MAX) : EventPump(stride) {}
    int polls = 0;
    int unwindAtPoll = 0;
    std::function<void()> onPoll;

protected:
    PumpResult poll() override {
        ++polls;
        if (onPoll) onPoll();
        return unwindAtPoll != 0 && polls >= unwindAtPoll ? PumpResult::Unwind : PumpResult::Continue;
    }
};

// Draws from a script first, then from a seeded source; counts draws and reseeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed, std::vector<float> script = {})
        : script_(std::move(script)), rest_(seed) {}
    float next() override {
        ++draws;
        if (position_ < script_.size()) return script_[position_++];
        return rest_.next();
    }
    void reseedFromClock() override { ++reseeds; }
    long draws = 0;
    int reseeds = 0;

private:
    std::vector<float> script_;
    std::size_t position_ = 0;
    SeededRandom rest_;
};

// Keeps the records it is given and answers with a fixed result; onAppend sees the moment of writing.
class RecordingLog final : public PuzzleLog {
public:
    explicit RecordingLog(LogWriteResult answer = {}) : answer_(std::move(answer)) {}
    LogWriteResult append(const LogRecord& record) override {
        records.push_back(record);
        if (onAppend) onAppend();
        return answer_;
    }
    std::vector<LogRecord> records;
    std::function<void()> onAppend;

private:
    LogWriteResult answer_;
};

// An observer built from lambdas; it counts the grids begun and the puzzles shown.
struct LambdaObserver final : GenerationObserver {
    int begunCount = 0;
    int shownCount = 0;
    std::function<void(long)> begun;
    std::function<void(const BoardSnapshot&)> ready;
    std::function<void(const TryReport&)> removed;
    std::function<void(const TryReport&)> judged;
    void fullGridBegun(long grids) override {
        ++begunCount;
        if (begun) begun(grids);
    }
    void fullGridReady(const BoardSnapshot& snapshot) override {
        if (ready) ready(snapshot);
    }
    void cellsRemoved(const TryReport& report) override {
        if (removed) removed(report);
    }
    void tryJudged(const TryReport& report) override {
        if (judged) judged(report);
    }
    void puzzleShown() override { ++shownCount; }
};

// A window's worth of state: board, variables, pump, engine, and an observer when a test gives none.
struct TestWindow {
    Board board;
    WindowState state;
    CountingPump pump;
    Engine engine{board, state, pump};
    LambdaObserver seen;

    explicit TestWindow(std::uint32_t stride = UINT32_MAX) : pump(stride) {}

    GenerationResult generate(RandomSource& random, int level, PuzzleLog* log = nullptr,
                              GenerationObserver* observer = nullptr) {
        Generator generator(engine, random, log);
        generator.setObserver(observer != nullptr ? observer : &seen);
        return generator.generate(level);
    }
    // 81 characters: the given digits, '0' elsewhere.
    std::string givens() const {
        std::string out(81, '0');
        for (int c = 0; c < 81; ++c)
            if (board.cell(c).isGiven())
                out[static_cast<std::size_t>(c)] = static_cast<char>('0' + board.cell(c).value());
        return out;
    }
    // Whether every cell is a given or empty.
    bool onlyGivensAndEmptyCells() const {
        for (int c = 0; c < 81; ++c)
            if (!board.cell(c).isGiven() && !board.cell(c).empty()) return false;
        return true;
    }
};

inline std::string snapshotText(const BoardSnapshot& snapshot) {
    std::string out;
    for (auto digit : snapshot) out += static_cast<char>('0' + digit);
    return out;
}

}  // namespace dodoru::testing
