#pragma once

#include <QString>

#include <vector>

#include "manuscriptpuzzle.h"
#include "pagelayout.h"

class QPagedPaintDevice;

namespace dodoru {

struct ManuscriptOptions {
    ManuscriptLayoutOptions layout;
    bool answers = false;
    QString title; // the title line of every page; answer pages add "解答"
    bool ratings = false; // each puzzle's caption also gives its rating (評分 4.4)
};

// The title line of an answer page.
QString answerPageTitle(const QString& title);

struct ManuscriptWriteResult {
    bool ok = false;
    QString error; // why not, in the window's language
};

// Paints the manuscript on a paged device (a PDF writer or a printer): the device is set to the
// paper, portrait, without margins of its own, and every page follows layoutManuscript(). Grids are
// lines, digits real text in the window's faces (新細明體 and 標楷體, or the AR PL faces standing in).
// On answer pages the givens are black on a grey cell, the digits that solve the puzzle dark grey.
ManuscriptWriteResult paintManuscript(QPagedPaintDevice& device, const ManuscriptOptions& options,
                                      const std::vector<ManuscriptPuzzle>& puzzles);

// The manuscript as a PDF file. Written to a temporary file that replaces `path` only when complete:
// on failure no file, or the old one untouched, is left at `path`.
ManuscriptWriteResult writeManuscriptPdf(const QString& path, const ManuscriptOptions& options,
                                         const std::vector<ManuscriptPuzzle>& puzzles);

} // namespace dodoru
