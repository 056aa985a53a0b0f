#include "colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace dodoru {

namespace {

QColor systemColour(ColourValue number) {
    const QPalette palette = QGuiApplication::palette();
    switch (number) {
    case 0:
        return palette.color(QPalette::Dark); // scroll bars
    case 1:
        return palette.color(QPalette::Window); // desktop
    case 2:
        return palette.color(QPalette::Highlight); // active title bar
    case 5:
        return palette.color(QPalette::Base); // window background
    case 6:
        return palette.color(QPalette::Shadow); // window frame
    case 7:
        return palette.color(QPalette::Text); // menu text
    case 8:
        return palette.color(QPalette::WindowText); // window text
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 16:
        return palette.color(QPalette::Dark); // button shadow
    case 17:
        return palette.color(QPalette::PlaceholderText); // grey text
    case 18:
        return palette.color(QPalette::ButtonText);
    case 20:
        return palette.color(QPalette::Light); // button highlight
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    case 15:
    default:
        return palette.color(QPalette::Button); // button face, and anything unknown
    }
}

} // namespace

QColor toQColor(ColourValue value) {
    if ((value & kSystemColourFlag) != 0) return systemColour(value & 0xFFu);
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

ColourValue fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<ColourValue>(rgb.red()) | (static_cast<ColourValue>(rgb.green()) << 8) |
           (static_cast<ColourValue>(rgb.blue()) << 16);
}

} // namespace dodoru
