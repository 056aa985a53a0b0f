#pragma once

#include <memory>

#include "messageboxes.h"
#include "platform.h"
#include "printing.h"
#include "puzzlelog.h"
#include "random.h"
#include "savefile.h"
#include "savelocationchooser.h"
#include "transferplatform.h"
#include "weblink.h"

namespace dodoru {

// What the main window needs from the platform and the outside world. The program passes the real
// ones; tests pass scripted message boxes, a seeded random source, a log of their own, a clock they
// drive and a program end that only records the call. Members left empty get the real Qt versions
// (message boxes, clock, event pass, program end, browser, screen grab, printer, save dialog, clipboard
// and file dialogs); an empty log means no record is written and an empty save file that no givens are
// kept between runs.
struct MainWindowServices {
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<RandomSource> random; // required
    std::unique_ptr<PuzzleLog> puzzleLog;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<EventPass> eventPass;
    std::unique_ptr<ProgramEnd> programEnd;
    std::unique_ptr<SaveFile> saveFile;
    std::unique_ptr<SaveLocationChooser> saveChooser; // where to save the givens when the save file fails
    std::unique_ptr<UrlOpener> browser;
    std::unique_ptr<ScreenGrabber> screenGrabber;
    std::unique_ptr<PrinterFactory> printers;
    std::unique_ptr<TransferPlatform> transfer;  // clipboard, file dialogs and the last directory
    bool showAboutBox = true;  // the About box at start-up
};

} // namespace dodoru
