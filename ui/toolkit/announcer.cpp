#include "announcer.h"

#include <QAccessible>
#include <QTimer>

#include "accessibility.h"

namespace dodoru {

namespace {

// Between the texts of one action, in every language: a pause a reader makes.
const QString kBetweenTexts = QStringLiteral(" ");

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setAccessibleRole(*this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& message) {
    if (message.isEmpty() || pending_.contains(message)) return;
    if (pending_.isEmpty()) QTimer::singleShot(0, this, [this] { tell(); });
    pending_ << message;
}

void Announcer::tell() {
    if (pending_.isEmpty()) return;
    // Readers speak a notification when it comes to be shown: hidden first, it appears anew each time.
    // The name is set while it is hidden, so that a reader that keeps names has the new one when it
    // hears the notification come.
    hide();
    setAccessibleName(pending_.join(kBetweenTexts));
    pending_.clear();
    show();
}

void Announcer::clear() {
    pending_.clear();
    hide();
    setAccessibleName(QString());
}

QString Announcer::message() const {
    if (!pending_.isEmpty()) return pending_.join(kBetweenTexts);
    return isHidden() ? QString() : accessibleName();
}

void Announcer::paintEvent(QPaintEvent* /*event*/) {}

} // namespace dodoru
