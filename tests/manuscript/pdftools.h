#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

// Poppler's command-line tools, to read back what a manuscript PDF holds.
namespace pdftools {

// The tool's standard output; empty (and a failed QTest check) when it did not run cleanly.
QString run(const QString& program, const QStringList& arguments);
int pageCount(const QString& pdf);
// pdftotext -layout of one page (1-based), optionally cropped to a box in points.
QString pageText(const QString& pdf, int page, const QRectF& crop = QRectF());
// One page rendered in grey at `dpi`.
QImage pageImage(const QString& pdf, int page, int dpi);
// The digits 1-9 of a text, in order.
QString digitsOf(const QString& text);

} // namespace pdftools
