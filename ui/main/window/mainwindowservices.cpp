#include "mainwindowservices.h"

namespace dodoru {

void addDesktopServices(MainWindowServices& services) {
    if (!services.messageBoxes) services.messageBoxes = std::make_unique<QtMessageBoxes>();
    if (!services.clock) services.clock = std::make_unique<SteadyClock>();
    if (!services.eventPass) services.eventPass = std::make_unique<QtEventPass>();
    if (!services.programEnd) services.programEnd = std::make_unique<QtProgramEnd>();
    if (!services.saveChooser) services.saveChooser = std::make_unique<DialogSaveLocationChooser>();
    if (!services.browser) services.browser = std::make_unique<ProcessUrlOpener>();
    if (!services.screenGrabber) services.screenGrabber = std::make_unique<QtScreenGrabber>();
    if (!services.printers) services.printers = std::make_unique<DefaultPrinterFactory>();
    if (!services.transfer) services.transfer = std::make_unique<QtTransferPlatform>();
}

} // namespace dodoru
