#include "artwork.h"

#include "bannerdrawing.h"

namespace dodoru::artwork {

QPixmap banner() {
    return QPixmap(QStringLiteral(":/artwork/banner.png"));
}

QPixmap banner(const QString& hint) {
    if (hint == kDesignedHint) return banner();
    return QPixmap::fromImage(drawBanner(hint));
}

QPixmap printButtonPicture() {
    return QPixmap(QStringLiteral(":/artwork/print.png"));
}

QIcon windowIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/artwork/dodoru-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/artwork/dodoru-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/artwork/dodoru-48.png"), QSize(48, 48));
    return icon;
}

QCursor cellPointer() {
    const QPixmap image(QStringLiteral(":/artwork/pointer.png"));
    if (image.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(image, 2, 1); // the hot spot is the tip of the arrow
}

} // namespace dodoru::artwork
