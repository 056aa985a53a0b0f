#include "graphicalbutton.h"

namespace dodoru {

GraphicalButton::GraphicalButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setBackColor(kButtonFaceColour);
}

void GraphicalButton::setBackColor(ColourValue colour) {
    backColor_ = colour;
    QPalette p = palette();
    const QColor paint = toQColor(colour);
    p.setColor(QPalette::Button, paint);
    p.setColor(QPalette::Window, paint);
    setPalette(p);
    setAutoFillBackground(false);
    update();
}

} // namespace dodoru
