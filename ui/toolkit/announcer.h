#pragma once

#include <QWidget>

namespace dodoru {

// Tells assistive technology a short message at once, as a screen reader reads an alert: an alert that
// appears with the message as its name, with an alert event. It paints nothing and lets the mouse
// through, so that eyes and mouse never meet it. Hidden, it names nothing.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Said even when it is the same message as before.
    void announce(const QString& message);
    // The last message is no news any more.
    void clear();
    // The message told last, while it is news.
    QString message() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dodoru
