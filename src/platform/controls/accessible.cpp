#include "platform/controls/accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
const char *const roleProperty = "accessibleRole";

QAccessibleInterface *withRole(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    const QVariant role = object ? object->property(roleProperty) : QVariant();
    return widget && role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt())) : nullptr;
}
} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(withRole);
        return true;
    }();
    (void)installed;
    widget->setProperty(roleProperty, int(role));
}
