#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform.h"
#include "puzzlelog.h"
#include "savelocationchooser.h"
#include "weblink.h"

namespace dodoru::testing {

// A clock that moves on by a fixed step every time it is read, so that event passes come after a known
// number of polls whatever the machine's speed.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(std::int64_t stepNs) : step_(stepNs) {}
    std::int64_t nanoseconds() override { return now_ += step_; }
    std::int64_t reads() const { return now_ / step_; }

private:
    std::int64_t step_;
    std::int64_t now_ = 0;
};

// A real event pass that can also run a test's action on one of its passes.
class HookedEventPass final : public EventPass {
public:
    void run() override {
        ++runs_;
        if (action_ && runs_ == actionOnRun_) action_();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    void onRun(int run, std::function<void()> action) {
        actionOnRun_ = run;
        action_ = std::move(action);
    }
    int runs() const { return runs_; }

private:
    int runs_ = 0;
    int actionOnRun_ = 0;
    std::function<void()> action_;
};

// Records that the program was ended instead of ending it.
class RecordingProgramEnd final : public ProgramEnd {
public:
    void endProgram(QWidget*) override { ++calls_; }
    int calls() const { return calls_; }

private:
    int calls_ = 0;
};

// Keeps the records in memory; can be told to fail like a file that cannot be written.
class MemoryPuzzleLog final : public PuzzleLog {
public:
    LogWriteResult append(const LogRecord& record) override {
        if (failWith_.empty()) {
            records_.push_back(record);
            return {};
        }
        return {false, failWith_};
    }
    void failWith(std::string reason) { failWith_ = std::move(reason); }
    const std::vector<LogRecord>& records() const { return records_; }

private:
    std::vector<LogRecord> records_;
    std::string failWith_;
};

// A browser that records the addresses it was asked to show and answers at once; can be told that
// none can be started.
class RecordingBrowser final : public UrlOpener {
public:
    void openUrl(const QUrl& address, std::function<void(bool)> done) override {
        if (available) opened.push_back(address);
        done(available);
    }
    bool available = true;
    std::vector<QUrl> opened;
};

// Answers the save dialog with a fixed path (empty: cancelled) and counts the questions.
class ScriptedSaveLocation final : public SaveLocationChooser {
public:
    QString choose(QWidget*, const QString&, const QString&, const QString&) override {
        ++asked;
        return path;
    }
    QString path;
    int asked = 0;
};

} // namespace dodoru::testing
