#pragma once

#include <QPointer>
#include <QWidget>

namespace dodoru {

// Keeps the keyboard focus where the user left it while a command runs with the window's buttons
// disabled. Qt hands the focus of a button that gets disabled to the next control that can take it
// (which may be a button with a command of its own, so that Space meant for the pressed button starts
// another). While the guard lives, the focus rests on the window itself, where keys do nothing; when it
// ends, the focus goes back to the pressed button, unless the user has put it elsewhere meanwhile.
// Nothing moves when the focus was not on one of the window's controls (a command the program runs by
// itself, or one nested in another command).
class CommandFocus {
public:
    CommandFocus(QWidget* window, QWidget* pressed);
    ~CommandFocus();
    CommandFocus(const CommandFocus&) = delete;
    CommandFocus& operator=(const CommandFocus&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> returnTo_;
};

} // namespace dodoru
