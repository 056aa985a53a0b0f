#include "photoreviewdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "announcer.h"

namespace dodoru {

namespace {

constexpr int kCellSide = 36;

QString verdictText(SolveVerdict verdict) {
    switch (verdict) {
    case SolveVerdict::Unique:
        //: The verdict of the puzzle read from a photo, as corrected so far.
        return PhotoReviewDialog::tr("唯一解");
    case SolveVerdict::Several:
        return PhotoReviewDialog::tr("有多組解答");
    default:
        break;
    }
    return PhotoReviewDialog::tr("此題無解");
}

QPixmap gridPixmap(const recognition::PhotoReading& reading) {
    const recognition::GreyImage& grid = reading.grid;
    if (grid.empty()) return {};
    const QImage image(grid.pixels.data(), grid.width, grid.height, grid.width, QImage::Format_Grayscale8);
    QPixmap pixmap = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
    // The uncertain cells framed on the photo too, dashed, so they show without colour.
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(230, 120, 0), 2, Qt::DashLine));
    const double cell = grid.width / 9.0;
    for (int c : reading.uncertain)
        painter.drawRect(QRectF((c % 9) * cell + 2, (c / 9) * cell + 2, cell - 4, cell - 4));
    return pixmap;
}

} // namespace

ReadingGrid::ReadingGrid(QWidget* parent, const recognition::PhotoReading& reading) : QWidget(parent) {
    for (std::size_t i = 0; i < 81; ++i) digits_[i] = reading.cells[i].digit;
    for (int c : reading.uncertain) uncertain_[static_cast<std::size_t>(c)] = true;
    const auto first = std::find(uncertain_.begin(), uncertain_.end(), true);
    selected_ = first == uncertain_.end() ? 0 : static_cast<int>(first - uncertain_.begin());
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setToolTip(QStringLiteral("The puzzle read: arrows move, 1-9 write a digit, 0 or Delete clears"));
}

QSize ReadingGrid::sizeHint() const {
    return {9 * kCellSide + 1, 9 * kCellSide + 1};
}

std::string ReadingGrid::puzzle() const {
    std::string text(81, '0');
    for (std::size_t i = 0; i < 81; ++i) text[i] = static_cast<char>('0' + digits_[i]);
    return text;
}

void ReadingGrid::select(int cell) {
    selected_ = std::clamp(cell, 0, 80);
    update();
}

void ReadingGrid::setDigit(int digit) {
    digits_[static_cast<std::size_t>(selected_)] = digit;
    update();
    emit changed();
}

QRect ReadingGrid::cellRect(int cell) const {
    return {(cell % 9) * kCellSide, (cell / 9) * kCellSide, kCellSide, kCellSide};
}

int ReadingGrid::cellAt(QPoint point) const {
    const int column = point.x() / kCellSide, row = point.y() / kCellSide;
    if (point.x() < 0 || point.y() < 0 || column > 8 || row > 8) return -1;
    return row * 9 + column;
}

void ReadingGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    QFont digitFont = font();
    digitFont.setPixelSize(kCellSide * 3 / 5);
    QFont markFont = font();
    markFont.setPixelSize(kCellSide / 3);
    markFont.setBold(true);
    for (int cell = 0; cell < 81; ++cell) {
        const QRect box = cellRect(cell);
        if (cell == selected_) painter.fillRect(box, palette().highlight());
        if (uncertain_[static_cast<std::size_t>(cell)]) {
            // Not by colour alone: a dashed frame and a question mark in the corner.
            painter.setPen(QPen(QColor(230, 120, 0), 2, Qt::DashLine));
            painter.drawRect(box.adjusted(3, 3, -3, -3));
            painter.setFont(markFont);
            painter.setPen(cell == selected_ ? palette().highlightedText().color() : palette().text().color());
            painter.drawText(box.adjusted(0, 1, -3, 0), Qt::AlignRight | Qt::AlignTop, QStringLiteral("?"));
        }
        if (const int digit = digits_[static_cast<std::size_t>(cell)]; digit != 0) {
            painter.setFont(digitFont);
            painter.setPen(cell == selected_ ? palette().highlightedText().color() : palette().text().color());
            painter.drawText(box, Qt::AlignCenter, QString::number(digit));
        }
    }
    for (int line = 0; line <= 9; ++line) {
        painter.setPen(QPen(palette().text().color(), line % 3 == 0 ? 2 : 1));
        painter.drawLine(line * kCellSide, 0, line * kCellSide, 9 * kCellSide);
        painter.drawLine(0, line * kCellSide, 9 * kCellSide, line * kCellSide);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
        painter.drawRect(cellRect(selected_).adjusted(1, 1, -2, -2));
    }
}

void ReadingGrid::keyPressEvent(QKeyEvent* event) {
    const int row = selected_ / 9, column = selected_ % 9;
    switch (event->key()) {
    case Qt::Key_Left: select(row * 9 + (column + 8) % 9); return;
    case Qt::Key_Right: select(row * 9 + (column + 1) % 9); return;
    case Qt::Key_Up: select(((row + 8) % 9) * 9 + column); return;
    case Qt::Key_Down: select(((row + 1) % 9) * 9 + column); return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Space: setDigit(0); return;
    default: break;
    }
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9) {
        setDigit(event->key() - Qt::Key_0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReadingGrid::mousePressEvent(QMouseEvent* event) {
    if (const int cell = cellAt(event->position().toPoint()); cell >= 0) select(cell);
    setFocus(Qt::MouseFocusReason);
}

PhotoReviewDialog::PhotoReviewDialog(QWidget* parent, const recognition::PhotoReading& reading)
    : QDialog(parent), grid_(new ReadingGrid(this, reading)), status_(new QLabel(this)),
      announcer_(new Announcer(this)), uncertainCount_(static_cast<int>(reading.uncertain.size())) {
    //: The caption of the dialog that shows a puzzle read from a photo, to check before it is set up.
    setWindowTitle(tr("核對照片中的題目"));
    auto* photo = new QLabel(this);
    photo->setPixmap(gridPixmap(reading));
    //: What a screen reader says of the straightened photo in the dialog.
    photo->setAccessibleName(tr("照片中的格子"));
    grid_->setAccessibleName(tr("讀出的題目"));
    auto* pad = new QGridLayout;
    for (int digit = 0; digit <= 9; ++digit) {
        //: The button that clears the selected cell of the puzzle read from a photo.
        auto* button = new QPushButton(digit == 0 ? tr("清除") : QString::number(digit), this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setObjectName(QStringLiteral("digit%1").arg(digit));
        connect(button, &QPushButton::clicked, this, [this, digit] { grid_->setDigit(digit); });
        if (digit == 0) pad->addWidget(button, 1, 4);
        else pad->addWidget(button, (digit - 1) / 5, (digit - 1) % 5);
    }
    //: How to correct the puzzle read from a photo.
    auto* help = new QLabel(tr("方向鍵移動，1～9 填入數字，0 或 Delete 清除；標有「?」的格子可能讀錯了。\n"
                               "Enter 放上盤面，Esc 取消。"),
                            this);
    help->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    //: The button that sets up the puzzle read from a photo on the board.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("放上盤面"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* sides = new QHBoxLayout;
    sides->addWidget(photo, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 0, Qt::AlignTop);
    right->addLayout(pad);
    right->addStretch();
    sides->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addWidget(status_);
    layout->addWidget(help);
    layout->addWidget(buttons);
    connect(grid_, &ReadingGrid::changed, this, &PhotoReviewDialog::updateStatus);
    grid_->setFocus();
    updateStatus();
}

std::string PhotoReviewDialog::puzzle() const {
    return grid_->puzzle();
}

QString PhotoReviewDialog::statusText() const {
    return status_->text();
}

void PhotoReviewDialog::updateStatus() {
    const QString verdict = verdictText(recognition::verdictOf(grid_->puzzle()));
    //: The status of the puzzle read from a photo: %n cells may be read wrong; %1 the verdict of the puzzle as it stands.
    const QString text = tr("%n 格可能讀錯；%1", nullptr, uncertainCount_).arg(verdict);
    if (text == status_->text()) return;
    status_->setText(text);
    announcer_->announce(text);
}

} // namespace dodoru
