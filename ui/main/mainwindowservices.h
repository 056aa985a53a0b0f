#pragma once

#include <memory>

#include "messageboxes.h"
#include "platform.h"
#include "puzzlelog.h"
#include "random.h"

namespace dodoru {

// What the main window needs from the platform and the outside world. The program passes the real
// ones; tests pass scripted message boxes, a seeded random source, a log of their own, a clock they
// drive and a program end that only records the call. Members left empty get the real Qt versions
// (message boxes, clock, event pass, program end); an empty log means no record is written.
struct MainWindowServices {
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<RandomSource> random; // required
    std::unique_ptr<PuzzleLog> puzzleLog;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<EventPass> eventPass;
    std::unique_ptr<ProgramEnd> programEnd;
};

} // namespace dodoru
