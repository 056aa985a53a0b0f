#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <memory>

#include "appinfo.h"
#include "clockrandom.h"
#include "filepuzzlelog.h"
#include "fonts.h"
#include "mainwindow.h"
#include "savefile.h"
#include "terminationsignals.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    dodoru::installQtTranslations(app);
    // The application name stays the executable's ("dodoru"): it names the per-user data directory.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Dodoru"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(dodoru::app::kVersionMajor)
                                            .arg(dodoru::app::kVersionMinor)
                                            .arg(dodoru::app::kVersionRevision));
    // The command buttons show the mode by their colour; this style paints button colours everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
    dodoru::installFontSubstitutions();
    QApplication::setFont(dodoru::applicationFont());

    dodoru::MainWindowServices services;
    services.random = std::make_unique<dodoru::ClockRandom>();
    const dodoru::FilesLocation files = dodoru::FilesLocation::forApplication();
    services.puzzleLog = std::make_unique<dodoru::FilePuzzleLog>(QFile::encodeName(files.logFilePath()).toStdString());
    services.saveFile = std::make_unique<dodoru::SaveFile>(files.saveFilePath());

    dodoru::MainWindow window(std::move(services));
    // SIGTERM and SIGHUP close the window as its close box does, saving the board.
    dodoru::TerminationSignals termination;
    QObject::connect(&termination, &dodoru::TerminationSignals::requested, &window, [&window] { window.close(); });
    window.Form_Load();
    // Closed during start-up (a signal while a start-up message was open): the end has been handled.
    if (!window.isVisible()) return 0;
    return QApplication::exec();
}
