#pragma once

#include <QString>

namespace dodoru::about {

// The texts the About box is composed of, built from the program's names and version.
QString caption();             // "關於 " + the application title
QString versionLine();         // "版本 1.2.0"
QString title();               // the application title
QString description();         // the five paragraphs, joined with CR LF as laid out
QString disclaimer(int index); // lblDisclaimer(0..2)
QString iconToolTip();         // picIcon's tooltip

inline const QString kCreatedCaption = QStringLiteral("關於我的應用程式");
inline const QString kOkText = QStringLiteral("確定");
inline const QString kSysInfoText = QStringLiteral("系統資訊(&S)...");

} // namespace dodoru::about
