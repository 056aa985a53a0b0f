#pragma once

#include <QCursor>
#include <QLabel>
#include <optional>

#include "colours.h"

namespace dodoru {

// Mouse pointer styles of a control: the default arrow, or the control's own pointer image.
enum class MousePointer : short { Default = 0, Custom = 99 };

// Mouse button masks of the mouse-down event; buttons held together add up.
inline constexpr short kLeftButton = 1;
inline constexpr short kRightButton = 2;
inline constexpr short kMiddleButton = 4;

// Shift-state masks passed with mouse events.
inline constexpr short kShiftMask = 1;
inline constexpr short kCtrlMask = 2;
inline constexpr short kAltMask = 4;

short buttonMask(Qt::MouseButtons buttons);
short shiftMask(Qt::KeyboardModifiers modifiers);

// A label whose text colour reads back exactly as set (a colour never set reads as nullopt and paints in
// the palette's text colour), with a pointer style, an optional size-to-text, a mouse-down event that
// carries the button mask and a click event. The background is transparent unless made opaque.
class ColourLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColourLabel(QWidget* parent = nullptr);

    void setForeColor(ColourValue colour);
    void resetForeColor();
    std::optional<ColourValue> foreColor() const { return foreColor_; }

    void setMousePointer(MousePointer style);
    MousePointer mousePointer() const { return pointer_; }
    // The image shown while the style is Custom.
    void setMouseIcon(const QCursor& cursor);

    // Width and height follow the text whenever it changes; left and top stay.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // With auto size: a text too long for the parent moves the label left, so that it ends at the
    // parent's right edge instead of being cut off; shorter texts bring it back to its own left.
    void setKeepInsideParent(bool on);
    void setOpaque(bool on);

    void setCaption(const QString& text);

signals:
    // Button mask (1 left, 2 right, 4 middle), shift mask, position in pixels within the label.
    void mouseDown(short button, short shift, int x, int y);
    // A left press and release over the label.
    void clicked();

protected:
    // Called after the caption or the text colour has changed.
    virtual void shownTextChanged() {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyPointer();
    void fitText();

    std::optional<ColourValue> foreColor_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
    bool autoSize_ = false;
    bool keepInside_ = false;
    int ownLeft_ = 0;
    bool leftPressed_ = false;
};

} // namespace dodoru
