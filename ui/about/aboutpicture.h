#pragma once

#include <QIcon>
#include <QImage>

namespace dodoru {

class AboutDialog;

// The About box's background: its hidden labels, icon and separator lines drawn where they lie, and
// pictures of its two buttons where the real ones stand. One pixel column short at the right and two
// rows short at the bottom of the client area; drawn at `devicePixelRatio`. The same dialog texts and
// fonts always give the same picture.
QImage composeAboutPicture(const AboutDialog& dialog, qreal devicePixelRatio);

// A 32 x 32 icon of a monitor showing a wave, for when the program has no icon of its own.
QIcon drawnMonitorIcon();

} // namespace dodoru
