#include "informationoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

#include "fileslocation.h"
#include "translations.h"

namespace dodoru {

namespace {

constexpr const char* kInformationOptions[] = {"-h", "--help", "-?", "-v", "--version"};

bool asksForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : kInformationOptions)
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// Which language the window would speak, and how to choose another.
QString languageParagraph() {
    const Language language = systemLanguage();
    QString chosen = languageName(language);
    if (language != Language::TraditionalChinese) {
        const QString folder = translationsFolder();
        const QString file = QStringLiteral("dodoru_%1.qm").arg(languageSetting(language));
        if (folder.isEmpty() || !QDir(folder).exists(file))
            chosen = QStringLiteral("%1, but %2 is not installed: Traditional Chinese").arg(chosen, file);
    }
    QStringList choices;
    for (const Language other :
         {Language::TraditionalChinese, Language::SimplifiedChinese, Language::English})
        choices << QStringLiteral("LANGUAGE=%1 dodoru (%2)").arg(languageSetting(other), languageName(other));
    return QStringLiteral("The window speaks %1, following the system's language settings (LANGUAGE, "
                          "LC_ALL, LC_MESSAGES, LANG). To choose another language, start it as %2.")
        .arg(chosen, choices.join(QStringLiteral(", ")));
}

QString description() {
    const FilesLocation files = FilesLocation::chosenForApplication();
    return QStringLiteral("The 9x9 number-placement puzzle: enter a puzzle, have it solved, or generate one "
                          "at five levels.\n\n"
                          "The givens are kept in %1 from one run to the next; every generated puzzle is "
                          "logged in %2.\n\n%3")
        .arg(QDir::toNativeSeparators(files.saveFilePath()), QDir::toNativeSeparators(files.logFilePath()),
             languageParagraph());
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
