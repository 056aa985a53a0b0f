#pragma once

#include <QComboBox>

namespace dodoru {

// A drop-down combo box with an editable field. It reports key releases with the virtual-key code
// (keycodes.h) and a pick from its list as clicked().
class DigitChooser : public QComboBox {
    Q_OBJECT
public:
    explicit DigitChooser(QWidget* parent = nullptr);

    void setChooserText(const QString& text);
    QString chooserText() const;

signals:
    void keyUp(short keyCode, short shift);
    void clicked();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace dodoru
