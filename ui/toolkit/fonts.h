#pragma once

#include <QFont>
#include <QString>

namespace dodoru {

inline const QString kKaiFace = QStringLiteral("標楷體");
inline const QString kMingFace = QStringLiteral("新細明體");

// Where 標楷體 and 新細明體 are not installed, the AR PL UKai and UMing faces stand in: their Taiwan
// forms, or for Simplified Chinese their mainland forms (the same faces, with the mainland's glyphs).
void installFontSubstitutions(bool simplifiedChinese = false);

// The program's font for everything without a font of its own (tooltips, message boxes, lists).
QFont applicationFont();

// A font of the window: face, size in points (fractions allowed), weight 400 or 700.
QFont windowFont(const QString& face, double points, int weight = 400);

} // namespace dodoru
