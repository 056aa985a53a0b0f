#include "informationoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

#include "fileslocation.h"

namespace dodoru {

namespace {

constexpr const char* kInformationOptions[] = {"-h", "--help", "-?", "-v", "--version"};

bool asksForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : kInformationOptions)
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

QString description() {
    const FilesLocation files = FilesLocation::chosenForApplication();
    return QStringLiteral("The 9x9 number-placement puzzle: enter a puzzle, have it solved, or generate one "
                          "at five levels.\n\n"
                          "The givens are kept in %1 from one run to the next; every generated puzzle is "
                          "logged in %2.")
        .arg(QDir::toNativeSeparators(files.saveFilePath()), QDir::toNativeSeparators(files.logFilePath()));
}

} // namespace

std::optional<int> answerInformationOptions(int argc, char* argv[]) {
    if (!asksForInformation(argc, argv)) return std::nullopt;
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    parser.setApplicationDescription(description());
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
}

} // namespace dodoru
