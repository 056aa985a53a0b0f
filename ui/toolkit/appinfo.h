#pragma once

#include <QString>

namespace dodoru::app {

// The product's names and the maker's addresses, used by captions, titles, tooltips and the About box.
inline const QString kProductWord = QStringLiteral("Dodoru");
inline const QString kChineseName = QStringLiteral("數字方陣");
inline const QString kDesigner = QStringLiteral("Dodoru 工作室");
inline const QString kEmail = QStringLiteral("dodoru@example.com");
inline const QString kTelephone = QStringLiteral("(02) 0000-0000");
inline const QString kWebPage = QStringLiteral("https://www.example.com/dodoru/");
inline const QString kDownloadAddress = QStringLiteral("https://www.example.com/dodoru/dodoru.zip");
inline const QString kMathematician = QStringLiteral("歐拉");
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 0;

// "Dodoru數字方陣": the title of every message box without a title of its own.
inline QString applicationTitle() { return kProductWord + kChineseName; }

// The main window's caption: product word, " - ", Chinese name and the designer credit.
inline QString mainWindowCaption() {
    return kProductWord + QStringLiteral(" - ") + kChineseName + QStringLiteral(" (設計:") + kDesigner +
           QStringLiteral(" ") + kEmail + QStringLiteral("  ") + kWebPage + QStringLiteral(" )");
}

}  // namespace dodoru::app
