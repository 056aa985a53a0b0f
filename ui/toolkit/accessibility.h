#pragma once

#include <QAccessible>

class QWidget;

namespace dodoru {

// What assistive technology is told about the program's own widgets beyond what Qt tells by itself:
// - a widget given a role with setAccessibleRole() is presented in that role (a top-level window as a
//   frame rather than a filler; a message as an alert);
// - a ColourLabel that is hidden names nothing, so that a label kept with its last text while hidden
//   (the verdict, the count) is never read as if it were on screen.
// The interfaces are installed once, by the first widget that needs them.
void installAccessibleInterfaces();

void setAccessibleRole(QWidget& widget, QAccessible::Role role);

} // namespace dodoru
