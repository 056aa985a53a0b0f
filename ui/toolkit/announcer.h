#pragma once

#include <QStringList>
#include <QWidget>

namespace dodoru {

// Tells assistive technology a short message, as screen readers speak a notification: a notification
// that appears with the message as its name. What one action tells (everything said before the event
// loop runs again) is told together, once, each text once and in the order it was said. It paints
// nothing and lets the mouse through, so that eyes and mouse never meet it. Hidden, it names nothing.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Said even when it is the same message as the one told last.
    void announce(const QString& message);
    // The last message is no news any more, and what was about to be told is not told.
    void clear();
    // The message told last, or about to be told, while it is news.
    QString message() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tell();

    QStringList pending_;
};

} // namespace dodoru
