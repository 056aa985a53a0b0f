#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "projectinfo.h"

namespace dodoru {

std::optional<Language> languageOfTag(const QString& tag) {
    // "zh_CN.UTF-8@variant" as LANGUAGE may give it: the encoding and the variant say nothing here.
    QString name = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).toLower();
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList parts = name.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) return std::nullopt;
    if (parts.first() == QLatin1String("en")) return Language::English;
    if (parts.first() != QLatin1String("zh")) return std::nullopt;
    // A script says it outright; otherwise the region does.
    if (parts.contains(QLatin1String("hans"))) return Language::SimplifiedChinese;
    if (parts.contains(QLatin1String("hant"))) return Language::TraditionalChinese;
    if (parts.contains(QLatin1String("cn")) || parts.contains(QLatin1String("sg")))
        return Language::SimplifiedChinese;
    return Language::TraditionalChinese;
}

Language languageFor(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages)
        if (const std::optional<Language> language = languageOfTag(tag)) return *language;
    return Language::TraditionalChinese;
}

Language systemLanguage() {
    return languageFor(QLocale::system().uiLanguages());
}

QString languageName(Language language) {
    switch (language) {
    case Language::TraditionalChinese:
        return QStringLiteral("Traditional Chinese");
    case Language::English:
        return QStringLiteral("English");
    case Language::SimplifiedChinese:
        return QStringLiteral("Simplified Chinese");
    }
    return {};
}

QString languageSetting(Language language) {
    switch (language) {
    case Language::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case Language::English:
        return QStringLiteral("en");
    case Language::SimplifiedChinese:
        return QStringLiteral("zh_CN");
    }
    return {};
}

QString translationsFolder() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {programFolder.filePath(QStringLiteral("translations")),
          programFolder.filePath(QString::fromUtf8(project::kInstalledTranslations))}) {
        if (!QDir(folder).entryList({QStringLiteral("dodoru_*.qm")}, QDir::Files).isEmpty())
            return QDir::cleanPath(folder);
    }
    return {};
}

Translations::Translations() = default;

Translations::~Translations() {
    unload();
}

void Translations::unload() {
    if (program_) QCoreApplication::removeTranslator(program_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    program_.reset();
    qt_.reset();
}

namespace {

// A translation file loaded and installed, or nothing.
std::unique_ptr<QTranslator> installed(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (folder.isEmpty() || !translator->load(name, folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

bool Translations::load(Language language) {
    unload();
    // Qt's own texts are English already (its qtbase_en holds nothing); the program's own are Chinese.
    if (language != Language::English)
        qt_ = installed(QStringLiteral("qtbase_") + languageSetting(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != Language::TraditionalChinese)
        program_ = installed(QStringLiteral("dodoru_") + languageSetting(language), translationsFolder());
    return (language == Language::English || qt_) && (language == Language::TraditionalChinese || program_);
}

} // namespace dodoru
