#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <memory>
#include <optional>

#include <csignal>
#include <cstdio>

#include "appinfo.h"
#include "clockrandom.h"
#include "filepuzzlelog.h"
#include "fileslocation.h"
#include "fonts.h"
#include "informationoptions.h"
#include "mainwindow.h"
#include "savefile.h"
#include "singleinstance.h"
#include "terminationsignals.h"
#include "translations.h"
#include "unexpectedexit.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(dodoru::app::kVersion);
    if (const std::optional<int> status = dodoru::answerInformationOptions(argc, argv)) return *status;
    QApplication app(argc, argv);
    // A write to a display that went away would raise SIGPIPE and end the program on the spot, unsaved;
    // ignored, the write fails, the display's loss is reported and the end goes through exit() below.
    std::signal(SIGPIPE, SIG_IGN);
    const dodoru::Language language = dodoru::systemLanguage();
    dodoru::Translations translations;
    translations.load(language);
    // The application name stays the executable's ("dodoru"): it names the per-user data directory
    // and the window's X11 class, which the desktop entry gives as StartupWMClass.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(dodoru::project::kApplicationId));
    // The command buttons show the mode by their colour; this style paints button colours everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
    dodoru::installFontSubstitutions(language == dodoru::Language::SimplifiedChinese);
    QApplication::setFont(dodoru::applicationFont());

    dodoru::MainWindowServices services;
    services.random = std::make_unique<dodoru::ClockRandom>();
    const dodoru::FilesLocation files = dodoru::FilesLocation::forApplication();
    // One copy per save file: a second start brings the running window to the front and ends.
    dodoru::SingleInstance instance(files.saveFilePath());
    switch (instance.start()) {
    case dodoru::SingleInstance::Start::AnotherRuns:
        std::fprintf(stderr, "dodoru: another copy (process %lld) uses %s; it was brought to the front.\n",
                     static_cast<long long>(instance.ownerProcess()), qPrintable(files.saveFilePath()));
        return 0;
    case dodoru::SingleInstance::Start::AnotherSilent:
        std::fprintf(stderr,
                     "dodoru: another copy (process %lld) uses %s but does not answer; this one ends. "
                     "Its lock file is %s.\n",
                     static_cast<long long>(instance.ownerProcess()), qPrintable(files.saveFilePath()),
                     qPrintable(instance.lockFilePath()));
        return 1;
    case dodoru::SingleInstance::Start::StaleKept:
        std::fprintf(stderr,
                     "dodoru: the lock file %s is left from a copy that no longer runs, but it cannot be "
                     "removed; this one ends. Remove it and start again.\n",
                     qPrintable(instance.lockFilePath()));
        return 1;
    case dodoru::SingleInstance::Start::First:
        if (!instance.listenError().isEmpty())
            std::fprintf(stderr, "dodoru: cannot listen for later starts (%s); a second start will not find this copy.\n",
                         qPrintable(instance.listenError()));
        break;
    case dodoru::SingleInstance::Start::Unguarded:
        break;
    }
    services.puzzleLog = std::make_unique<dodoru::FilePuzzleLog>(QFile::encodeName(files.logFilePath()).toStdString());
    services.saveFile = std::make_unique<dodoru::SaveFile>(files.saveFilePath());
    dodoru::addDesktopServices(services);

    dodoru::MainWindow window(std::move(services));
    QObject::connect(&instance, &dodoru::SingleInstance::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // SIGTERM, SIGHUP, SIGINT and SIGQUIT close the window as its close box does, saving the board;
    // nobody may be there to answer a question.
    dodoru::TerminationSignals termination;
    QObject::connect(&termination, &dodoru::TerminationSignals::requested, &window,
                     [&window] { window.closeWithoutQuestions(); });
    // A lost display ends the program through exit(), past the close: the givens are saved even so.
    const dodoru::UnexpectedExitGuard lastSave([&window] { window.saveWithoutQuestions(); });
    window.Form_Load();
    // Closed during start-up (a signal while a start-up message was open): the end has been handled.
    if (!window.isVisible()) return 0;
    return QApplication::exec();
}
