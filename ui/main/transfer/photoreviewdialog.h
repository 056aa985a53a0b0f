#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <string>

#include "photoreader.h"

class QLabel;

namespace dodoru {

class Announcer;
class ReadingGrid;

// Shows a puzzle read from a photo beside the straightened grid it was read from, for the user to
// check and correct before it goes to the board: the cells read uncertain carry a frame and a
// question mark, and the verdict of the reading as it stands shows (and is told) after every change.
class PhotoReviewDialog final : public QDialog {
    Q_OBJECT
public:
    PhotoReviewDialog(QWidget* parent, const recognition::PhotoReading& reading);

    // The puzzle as corrected: 81 characters, '0' empty.
    std::string puzzle() const;
    // What the status line shows: the uncertain cells and the verdict.
    QString statusText() const;

private:
    void updateStatus();

    ReadingGrid* grid_;
    QLabel* status_;
    Announcer* announcer_;
    int uncertainCount_ = 0;
};

// The 81 cells read, editable: arrows move, 1-9 write, 0, Delete, Backspace or Space clear, a click
// selects.
class ReadingGrid final : public QWidget {
    Q_OBJECT
public:
    ReadingGrid(QWidget* parent, const recognition::PhotoReading& reading);

    std::string puzzle() const;
    int selected() const { return selected_; }
    void select(int cell);
    void setDigit(int digit);
    bool uncertain(int cell) const { return uncertain_[static_cast<std::size_t>(cell)]; }

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int cellAt(QPoint point) const;
    QRect cellRect(int cell) const;

    std::array<int, 81> digits_{};
    std::array<bool, 81> uncertain_{};
    int selected_ = 0;
};

} // namespace dodoru
