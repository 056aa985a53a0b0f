#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace dodoru {

// While it lives, a window takes no input from the mouse or the keyboard (clicks, keys, shortcuts,
// wheel, context menu, drops), yet stays painted and its close box stays live: what a modal dialog
// gives, without the modality that makes Qt drop the window's close requests. The window's own
// dialogs and other windows are not paused.
class InputPause final : public QObject {
public:
    explicit InputPause(QWidget& window);
    ~InputPause() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

} // namespace dodoru
