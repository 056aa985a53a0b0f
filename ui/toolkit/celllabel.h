#pragma once

#include <cstdint>
#include <optional>

#include "colourlabel.h"

namespace dodoru {

// Blue text marks a given: a digit that is part of the puzzle.
inline constexpr ColourValue kGivenTextColour = 0xFF0000u;
// Dark green marks the player's own digits: neither the givens' blue nor the answer's black, and dark
// enough to keep its contrast on screen and on paper.
inline constexpr ColourValue kPlayerTextColour = 0x006400u;

// What kind of digit a cell shows, for assistive technology.
enum class CellDigitKind { Given, Player, Answer };

// One cell of the board: a label that tells assistive technology what it shows in its name (its row and
// column, its digit, what kind of digit it is and its marks, or its pencil marks) and that can carry marks: a conflict mark
// (a light red background), a hint mark (a light yellow background), a mistake mark (a red frame and
// stroke, for a digit that differs from the solution), pencil marks (small digits in the cell's 3×3
// positions while it shows no digit) and, while it has the keyboard focus, a focus mark around it.
// Without marks it paints exactly as a ColourLabel. Only the cell that is the grid's Tab stop takes the
// focus from the Tab key; a click never gives a cell the focus.
class CellLabel : public ColourLabel {
    Q_OBJECT
public:
    // row and column count from 0 at the top left.
    CellLabel(int row, int column, QWidget* parent = nullptr);

    void setConflictMark(bool on);
    bool conflictMark() const { return conflictMark_; }
    void setHintMark(bool on);
    bool hintMark() const { return hintMark_; }
    void setMistakeMark(bool on);
    bool mistakeMark() const { return mistakeMark_; }
    // Bit d - 1 for digit d.
    void setPencilMarks(std::uint16_t marks);
    std::uint16_t pencilMarks() const { return pencilMarks_; }
    // Told apart by colour on screen; said in words to assistive technology. The window sets it from
    // the game, with the colour.
    void setDigitKind(CellDigitKind kind);

    void setTabStop(bool on);
    bool isTabStop() const { return focusPolicy() != Qt::NoFocus; }
    // The focus mark waits (for the first key) while the cell keeps the focus: the focus was put there
    // for the keyboard, not asked for with it.
    void holdFocusMark();
    void releaseFocusMark();
    bool focusMarkShown() const { return hasFocus() && !focusMarkHeld_; }

    // What assistive technology hears of the cell, as it is now.
    QString spokenName() const;

signals:
    // Assistive technology was told the cell's new name (once an edit is complete).
    void nameTold();

protected:
    void shownTextChanged() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The name changed: assistive technology is told once the change is complete (one edit changes the
    // digit, its kind and its marks one after another), and only while the cell is shown.
    void describe();
    void tellName();
    void paintPencilMarks(QPainter& painter) const;

    int row_;
    int column_;
    bool conflictMark_ = false;
    bool hintMark_ = false;
    bool mistakeMark_ = false;
    std::uint16_t pencilMarks_ = 0;
    bool focusMarkHeld_ = false;
    CellDigitKind kind_ = CellDigitKind::Answer;
    std::optional<QString> toldName_; // none before the cell was first shown
    bool tellPending_ = false;
};

// What a screen reader says of a cell: where it is and what it shows, short and most important first:
// its digit, what kind of digit it is, whether it repeats a digit of its row, column or box and whether
// it differs from the solution; or that it is empty, and its pencil marks if it has any.
QString cellAccessibleName(int row, int column, const QString& text, std::uint16_t pencilMarks = 0,
                           CellDigitKind kind = CellDigitKind::Answer, bool conflict = false, bool mistake = false);

} // namespace dodoru
