#pragma once

#include <QCoreApplication>
#include <QString>

#include "projectinfo.h"

namespace dodoru::app {

// The product's names and the maker's addresses, used by captions, titles, tooltips and the About box.
// The maker's name and the addresses are the same in every language.
inline const QString kProductWord = QStringLiteral("Dodoru");
inline const QString kDesigner = QString::fromUtf8(project::kMaker);
inline const QString kEmail = QString::fromLatin1(project::kEmail);
inline const QString kTelephone = QStringLiteral("(02) 0000-0000");
inline const QString kWebPage = QString::fromLatin1(project::kHomePage);
inline const QString kDownloadAddress = kWebPage + QStringLiteral("dodoru.zip");
inline const QString kVersion = QString::fromLatin1(project::kVersion);

// "數字方陣": the product's name after the word Dodoru.
inline QString chineseName() {
    //: The product's name after the word "Dodoru": the name of the 9x9 number-placement puzzle.
    return QCoreApplication::translate("dodoru::app", "數字方陣");
}

// The eighteenth-century Swiss mathematician of the Latin squares.
inline QString mathematician() {
    //: The Swiss mathematician who studied Latin squares (Leonhard Euler), as the language writes his name.
    return QCoreApplication::translate("dodoru::app", "歐拉");
}

// "Dodoru數字方陣": the title of every message box without a title of its own.
inline QString applicationTitle() {
    //: The program's full name: "Dodoru" and the puzzle's name. The title of message boxes and the About box.
    return QCoreApplication::translate("dodoru::app", "Dodoru數字方陣");
}

// The main window's caption: product word, " - ", the name and the designer credit.
inline QString mainWindowCaption() {
    //: The main window's caption. %1: the puzzle's name, %2: the maker, %3: e-mail address, %4: web page.
    return QCoreApplication::translate("dodoru::app", "Dodoru - %1 (設計:%2 %3  %4 )")
        .arg(chineseName(), kDesigner, kEmail, kWebPage);
}

} // namespace dodoru::app
