#include "aboutpicture.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "aboutdialog.h"

namespace dodoru {

namespace {

constexpr double kSmallestPointSize = 6.0;

// Draws `text` in `rect`, stepping the font down a quarter point at a time until the text fits.
void drawFitted(QPainter& painter, const QRectF& rect, QFont font, const QString& text, int flags,
                const QColor& colour) {
    if (text.isEmpty()) return;
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    for (; points > kSmallestPointSize; points -= 0.25) {
        font.setPointSizeF(points);
        const QRectF needed = QFontMetricsF(font, painter.device()).boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5) break;
    }
    font.setPointSizeF(std::max(points, kSmallestPointSize));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

// One line of a label; it may run on to the right up to `rightLimit` before its font gets smaller.
void drawLabelLine(QPainter& painter, const QLabel* label, int rightLimit) {
    QRectF rect = label->geometry();
    rect.setRight(std::max<double>(rect.right(), rightLimit));
    rect.adjust(0, -3, 0, 3); // these labels are a little lower than a line of the dialog's font
    drawFitted(painter, rect, label->font(), label->text(),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QColor(0, 0, 0));
}

void drawButton(QPainter& painter, const QPushButton* button, bool isDefault) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->geometry();
    option.text = button->text();
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.features = isDefault ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    button->style()->drawControl(QStyle::CE_PushButton, &option, &painter, button);
}

} // namespace

QImage composeAboutPicture(const AboutDialog& dialog, qreal devicePixelRatio) {
    const QSize size = dialog.size() - QSize(1, 2);
    if (size.isEmpty()) return {};
    QImage picture((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(dialog.palette().color(QPalette::Window));

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QLabel* icon = dialog.picIcon();
    painter.drawPixmap(icon->geometry().topLeft(), icon->pixmap());

    const QColor black(0, 0, 0);
    const QLabel* title = dialog.lblTitle();
    drawFitted(painter, title->geometry(), title->font(), title->text(),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, black);
    const int buttonsLeft = std::min(dialog.cmdOK()->x(), dialog.cmdSysInfo()->x()) - 6;
    drawLabelLine(painter, dialog.lblVersion(), dialog.lblVersion()->geometry().right());

    const QLabel* description = dialog.lblDescription();
    QString paragraphs = description->text();
    paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    drawFitted(painter, description->geometry(), description->font(), paragraphs,
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, black);

    // The white line first, the grey one over its upper row.
    for (int index : {0, 1}) {
        const QFrame* line = dialog.Line1(index);
        painter.fillRect(line->geometry(), line->palette().color(QPalette::Window));
    }

    for (int index = 0; index < 3; ++index) drawLabelLine(painter, dialog.lblDisclaimer(index), buttonsLeft);

    drawButton(painter, dialog.cmdOK(), true);
    drawButton(painter, dialog.cmdSysInfo(), false);
    return picture;
}

QIcon drawnMonitorIcon() {
    QIcon icon;
    for (int side : {16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const double unit = side / 32.0;
        painter.scale(unit, unit);
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
        painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
        painter.drawRect(QRectF(2, 3, 28, 20));                           // the monitor's case
        painter.fillRect(QRectF(5, 6, 22, 14), QColor(0x00, 0x00, 0x80)); // its screen
        painter.fillRect(QRectF(12, 23, 8, 4), QColor(0x80, 0x80, 0x80)); // the neck
        painter.drawRect(QRectF(7, 27, 18, 3));                           // the foot
        QPainterPath wave;
        wave.moveTo(6, 13);
        wave.cubicTo(10, 6, 12, 6, 16, 13);
        wave.cubicTo(20, 20, 22, 20, 26, 13);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0x00, 0xFF, 0x00), 2));
        painter.drawPath(wave);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace dodoru
