#pragma once

class QCoreApplication;

namespace dodoru {

// Loads Qt's own texts (standard buttons, the file dialog, Qt's error texts) in the window's language,
// Traditional Chinese, whatever the system's language is. False when Qt's translations are not
// installed (Debian: qt6-translations-l10n); Qt's texts then stay English.
bool installQtTranslations(QCoreApplication& application);

} // namespace dodoru
