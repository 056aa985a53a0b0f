#pragma once

#include <memory>

#include "messageboxes.h"
#include "platform.h"
#include "puzzlelog.h"
#include "random.h"
#include "savefile.h"
#include "savelocationchooser.h"
#include "transferplatform.h"
#include "weblink.h"
#include "windowprinter.h"

namespace dodoru {

// What the main window needs from the platform and the outside world, built by the program's start
// and handed in. The program passes the real ones (addDesktopServices); tests pass scripted message
// boxes, a seeded random source, a log of their own, a clock they drive and a program end that only
// records the call, and the real ones for the rest. An empty log means no record is written, an empty
// save file that no givens are kept between runs.
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

    // Every member the window cannot do without is there.
    bool complete() const {
        return messageBoxes && random && clock && eventPass && programEnd && saveChooser && browser &&
               screenGrabber && printers && transfer;
    }
};

// Fills every member left empty but the random source, the log and the save file with the desktop's
// real one: Qt's message boxes, clock, event pass and program end, the system's browser, screen grab,
// printers, save dialog, clipboard and file dialogs.
void addDesktopServices(MainWindowServices& services);

} // namespace dodoru
