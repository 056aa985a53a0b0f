// Draws the program's pictures into the directory named on the command line: the banner, the print
// button picture, the cells' pointer and the window icon at several sizes. Everything is drawn from
// code, so the pictures are the same on every build.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "bannerdrawing.h"

namespace {

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawPrinter() {
    QImage image = blank(32, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 1.5, 13, 9)); // sheet going in
    p.setBrush(QColor(0x9A, 0xA3, 0xAD));
    p.drawRoundedRect(QRectF(2.5, 9.5, 27, 11), 2, 2); // body
    p.setBrush(QColor(0x6B, 0x74, 0x7E));
    p.drawRect(QRectF(6.5, 16.5, 19, 3)); // slot
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 18.5, 15, 6)); // printed page
    p.setPen(QColor(0x30, 0x60, 0xC0));
    p.drawLine(QPointF(10.5, 21), QPointF(21.5, 21));
    p.drawLine(QPointF(10.5, 23), QPointF(18.5, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xC0, 0x50));
    p.drawEllipse(QPointF(25.5, 12.5), 1.3, 1.3); // power light
    return image;
}

// An arrow with its tip at (2, 1) and a small computer mouse below it.
QImage drawPointer() {
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(2, 1);
    arrow.lineTo(2, 15);
    arrow.lineTo(5.5, 11.5);
    arrow.lineTo(8, 17);
    arrow.lineTo(10, 16);
    arrow.lineTo(7.5, 10.5);
    arrow.lineTo(12, 10.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    // the mouse: body, button split and cable
    p.setBrush(QColor(0xE8, 0xE8, 0xF0));
    p.setPen(QPen(QColor(0x20, 0x20, 0x30), 1.2));
    p.drawRoundedRect(QRectF(15.5, 14.5, 12, 16), 6, 6);
    p.drawLine(QPointF(15.5, 21), QPointF(27.5, 21));
    p.drawLine(QPointF(21.5, 14.5), QPointF(21.5, 21));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(21.5, 14.5);
    cable.cubicTo(21.5, 10, 26, 10, 26, 5);
    cable.cubicTo(26, 2, 29, 2, 30, 1);
    p.drawPath(cable);
    return image;
}

// The window icon: a small number-placement board with a few blue digits.
QImage drawIcon(int size) {
    QImage image = blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal margin = s / 16.0;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    QLinearGradient back(0, 0, 0, s);
    back.setColorAt(0.0, QColor(0x3B, 0x6E, 0xC8));
    back.setColorAt(1.0, QColor(0x1F, 0x44, 0x8C));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(tile, s / 8.0, s / 8.0);

    const qreal inset = s / 8.0;
    const QRectF board(inset, inset, s - 2 * inset, s - 2 * inset);
    p.setBrush(QColor(0xFF, 0xFC, 0xF2));
    p.drawRect(board);
    const qreal step = board.width() / 9.0;
    // Blue givens as filled squares on small icons, as digits on large ones.
    const int givens[][3] = {{0, 0, 5}, {1, 4, 3}, {2, 7, 9}, {4, 1, 7}, {4, 4, 1}, {4, 8, 6},
                             {6, 2, 8}, {7, 5, 2}, {8, 8, 4}, {3, 6, 5}, {5, 3, 9}};
    if (size >= 48) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(step * 0.8));
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x00, 0x00, 0xFF));
        for (const auto& g : givens)
            p.drawText(QRectF(board.left() + g[1] * step, board.top() + g[0] * step, step, step),
                       Qt::AlignCenter, QString::number(g[2]));
    } else {
        p.setBrush(QColor(0x20, 0x40, 0xF0));
        for (const auto& g : givens)
            p.drawRect(QRectF(board.left() + g[1] * step + step * 0.2, board.top() + g[0] * step + step * 0.2,
                              step * 0.6, step * 0.6));
    }
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 9; ++i) {
        const bool thick = i % 3 == 0;
        if (!thick && size < 48) continue;
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), thick ? qMax(1.0, s / 48.0) : qMax(0.5, s / 160.0)));
        const qreal x = board.left() + i * step, y = board.top() + i * step;
        p.drawLine(QPointF(x, board.top()), QPointF(x, board.bottom()));
        p.drawLine(QPointF(board.left(), y), QPointF(board.right(), y));
    }
    return image;
}

bool save(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dodoru_draw_artwork OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;
    bool ok = save(dodoru::artwork::drawBanner(dodoru::artwork::kDesignedHint), dir, QStringLiteral("banner.png"));
    ok = save(drawPrinter(), dir, QStringLiteral("print.png")) && ok;
    ok = save(drawPointer(), dir, QStringLiteral("pointer.png")) && ok;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = save(drawIcon(size), dir, QStringLiteral("dodoru-%1.png").arg(size)) && ok;
    return ok ? 0 : 1;
}
