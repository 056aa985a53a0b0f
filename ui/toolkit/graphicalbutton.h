#pragma once

#include <QPushButton>

#include "colours.h"

namespace dodoru {

// A command button that paints its back colour. The colour reads back exactly as set, system colours
// included (0x8000000F stays 0x8000000F). Enter and Return click it while it has the focus, as Space does.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    explicit GraphicalButton(QWidget* parent = nullptr);

    void setBackColor(ColourValue colour);
    ColourValue backColor() const { return backColor_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ColourValue backColor_ = kButtonFaceColour;
};

} // namespace dodoru
