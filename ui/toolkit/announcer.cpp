#include "announcer.h"

#include <QAccessible>

#include "accessibility.h"

namespace dodoru {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setAccessibleRole(*this, QAccessible::AlertMessage);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& message) {
    // Readers speak an alert when it comes to be shown: hidden first, it appears anew each time.
    hide();
    setAccessibleName(message);
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Announcer::clear() {
    hide();
    setAccessibleName(QString());
}

QString Announcer::message() const {
    return isHidden() ? QString() : accessibleName();
}

void Announcer::paintEvent(QPaintEvent* /*event*/) {}

} // namespace dodoru
