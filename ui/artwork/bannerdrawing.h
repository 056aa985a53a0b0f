#pragma once

#include <QImage>
#include <QString>

namespace dodoru::artwork {

// The hint sentence of the window's own language, which the banner drawn at build time shows.
inline const QString kDesignedHint =
    QStringLiteral("〔自創題目〕只需要(解出的答案)上面任意清除幾個數字(=0),就能夠拿來當手稿");

// The 625 x 26 banner: a light band with `hint` in dark letters, one pixel below and right of where the
// hint label draws the same sentence, so that the label's text stands on a soft shadow.
QImage drawBanner(const QString& hint);

} // namespace dodoru::artwork
