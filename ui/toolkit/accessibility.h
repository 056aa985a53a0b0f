#pragma once

#include <QAccessible>

class QWidget;

namespace dodoru {

// What assistive technology is told about the program's own widgets beyond what Qt tells by itself:
// - a widget given a role with setAccessibleRole() is presented in that role (a top-level window as a
//   frame rather than a filler; a message as a notification);
// - a ColourLabel that is hidden names nothing, so that a label kept with its last text while hidden
//   (the verdict, the count) is never read as if it were on screen; a label's English tooltip is not read
//   as its description; a cell is named for what it shows.
// The interfaces are installed once, by the first widget that needs them.
void installAccessibleInterfaces();

void setAccessibleRole(QWidget& widget, QAccessible::Role role);

} // namespace dodoru
