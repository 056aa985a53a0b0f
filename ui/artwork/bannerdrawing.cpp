#include "bannerdrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace dodoru::artwork {

QImage drawBanner(const QString& hint) {
    QImage image(625, 26, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient band(0, 0, 0, 26);
    band.setColorAt(0.0, QColor(0xFB, 0xF7, 0xEA));
    band.setColorAt(1.0, QColor(0xEC, 0xE2, 0xC6));
    p.fillRect(image.rect(), band);
    p.setPen(QColor(0xC8, 0xB8, 0x90));
    p.drawLine(0, 25, 624, 25);
    QFont font(QStringLiteral("AR PL UMing TW"));
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(QColor(0x50, 0x48, 0x40));
    p.drawText(QRect(9, 4, 616, 20), Qt::AlignLeft | Qt::AlignTop, hint);
    return image;
}

} // namespace dodoru::artwork
