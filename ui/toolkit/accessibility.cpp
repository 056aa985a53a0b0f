#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "celllabel.h"
#include "colourlabel.h"

namespace dodoru {

namespace {

const char* const kRoleProperty = "dodoruAccessibleRole";

// A label of the window as Qt presents one (static text, named by its text unless it has a name of its
// own), except that it names nothing while hidden, and that its tooltip (English, as designed) is not
// read as its description. A cell says what it shows in its name.
class ColourLabelAccessible final : public QAccessibleWidget {
public:
    explicit ColourLabelAccessible(ColourLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const ColourLabel*>(widget());
        if (label->isHidden()) return {};
        if (kind == QAccessible::Description) return label->accessibleDescription();
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        if (const auto* cell = qobject_cast<const CellLabel*>(label)) return cell->spokenName();
        const QString own = label->accessibleName();
        return own.isEmpty() ? label->text() : own;
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || className != QLatin1String(object->metaObject()->className())) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid()) return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (auto* label = qobject_cast<ColourLabel*>(widget)) return new ColourLabelAccessible(label);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
    installAccessibleInterfaces();
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace dodoru
