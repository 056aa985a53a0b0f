#pragma once

#include <QString>

#include "projectinfo.h"

namespace dodoru::app {

// The product's names and the maker's addresses, used by captions, titles, tooltips and the About box.
inline const QString kProductWord = QStringLiteral("Dodoru");
inline const QString kChineseName = QStringLiteral("數字方陣");
inline const QString kDesigner = QString::fromUtf8(project::kMaker);
inline const QString kEmail = QString::fromLatin1(project::kEmail);
inline const QString kTelephone = QStringLiteral("(02) 0000-0000");
inline const QString kWebPage = QString::fromLatin1(project::kHomePage);
inline const QString kDownloadAddress = kWebPage + QStringLiteral("dodoru.zip");
inline const QString kMathematician = QStringLiteral("歐拉");
inline const QString kVersion = QString::fromLatin1(project::kVersion);

// "Dodoru數字方陣": the title of every message box without a title of its own.
inline QString applicationTitle() { return kProductWord + kChineseName; }

// The main window's caption: product word, " - ", Chinese name and the designer credit.
inline QString mainWindowCaption() {
    return kProductWord + QStringLiteral(" - ") + kChineseName + QStringLiteral(" (設計:") + kDesigner +
           QStringLiteral(" ") + kEmail + QStringLiteral("  ") + kWebPage + QStringLiteral(" )");
}

}  // namespace dodoru::app
