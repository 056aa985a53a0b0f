#pragma once

#include <QString>

namespace dodoru::about {

// The texts the About box is composed of, built from the program's names and version, in the window's
// language.
QString caption();             // "關於 " + the application title
QString versionLine();         // "版本 1.2.0"
QString title();               // the application title
QString description();         // the five paragraphs, joined with CR LF as laid out
QString uses();                // the second paragraph: what the program does, in one line
QString disclaimer(int index); // lblDisclaimer(0..2)
QString iconToolTip();         // picIcon's tooltip (the same in every language)

QString createdCaption();     // the caption before the dialog loads: "關於我的應用程式"
QString titlePlaceholder();   // lblTitle before the dialog loads: "應用程式標題"
QString versionPlaceholder(); // lblVersion before the dialog loads: "版本："
QString okText();             // "確定"
QString sysInfoText();        // "系統資訊(&S)..."

} // namespace dodoru::about
