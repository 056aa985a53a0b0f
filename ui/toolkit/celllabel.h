#pragma once

#include "colourlabel.h"

namespace dodoru {

// Blue text marks a given: a digit that is part of the puzzle.
inline constexpr ColourValue kGivenTextColour = 0xFF0000u;

// One cell of the board: a label that tells assistive technology what it shows (its row and column, its
// digit, and whether the digit is a given or was worked out by the program) and that can carry a
// conflict mark, a light red background behind its text, and, while it has the keyboard focus, a focus
// mark around it. Without the marks it paints exactly as a ColourLabel. Only the cell that is the grid's
// Tab stop takes the focus from the Tab key; a click never gives a cell the focus.
class CellLabel : public ColourLabel {
    Q_OBJECT
public:
    // row and column count from 0 at the top left.
    CellLabel(int row, int column, QWidget* parent = nullptr);

    void setConflictMark(bool on);
    bool conflictMark() const { return conflictMark_; }

    void setTabStop(bool on);
    bool isTabStop() const { return focusPolicy() != Qt::NoFocus; }

protected:
    void shownTextChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void describe();

    int row_;
    int column_;
    bool conflictMark_ = false;
};

// What a screen reader announces for a cell: where it is and what it shows ("" for an empty cell)...
QString cellAccessibleName(int row, int column, const QString& text);
// ...and what kind of digit it is.
QString cellAccessibleDescription(const QString& text, bool given, bool conflict);

} // namespace dodoru
