#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTranslator;

namespace dodoru {

// The languages the window speaks. Traditional Chinese is the program's own: its texts are the ones in
// the code, and it needs no translation file.
enum class Language { TraditionalChinese, English, SimplifiedChinese };

// The language of one entry of the user's list ("zh-TW", "zh_CN.UTF-8", "zh-Hant-HK", "en-GB"): Chinese
// in the Simplified script or of mainland China or Singapore is Simplified, any other Chinese (Taiwan,
// Hong Kong, Macao, or no region) Traditional. Nothing for a language the program does not speak.
std::optional<Language> languageOfTag(const QString& tag);

// The language for the user's languages, most preferred first: the first one the program speaks.
// Traditional Chinese when it speaks none of them (C, POSIX, or a language without a translation).
Language languageFor(const QStringList& uiLanguages);

// The language for the user's settings: QLocale::system().uiLanguages(), that is LANGUAGE, else
// LC_ALL, LC_MESSAGES or LANG.
Language systemLanguage();

// The language's name in English, for the command line: "Traditional Chinese", "English"...
QString languageName(Language language);

// What LANGUAGE chooses the language with, and the suffix of its translation files (dodoru_en.qm,
// qtbase_zh_CN.qm): "zh_TW", "en", "zh_CN".
QString languageSetting(Language language);

// The folder of the program's compiled translations (dodoru_en.qm, dodoru_zh_CN.qm): translations/
// beside the executable (a build tree, or the program in a folder of its own), else where an
// installation puts them. Empty when neither holds one.
QString translationsFolder();

// The program's texts in one language, with Qt's own texts (standard buttons, the file dialog, Qt's
// error texts) to match: Qt's Traditional or Simplified Chinese, or Qt's own English. Installed into the
// application while the object lives; a later load() replaces what an earlier one installed.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // False when a file is missing (Debian: qt6-translations-l10n for Qt's texts): what was found is
    // installed, and the rest stays in the source language (Qt's: English).
    bool load(Language language);

private:
    void unload();

    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace dodoru
