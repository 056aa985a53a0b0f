#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace dodoru::artwork {

// The program's pictures, drawn at build time and shipped as resources.
QPixmap banner();             // 625 x 26: the hint sentence on a light band
// The banner for the hint sentence of another language, drawn as the build draws the designed one.
QPixmap banner(const QString& hint);
QPixmap printButtonPicture(); // 32 x 26: a printer
QIcon windowIcon();           // 16 and 32 pixels
QCursor cellPointer();        // 32 x 32: the cells' own pointer in manual set-up mode

} // namespace dodoru::artwork
