// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace AccessibleRole {

namespace {

constexpr char RoleProperty[] = "corvaloAccessibleRole";

QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void set(QWidget *widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(RoleProperty, int(role));
}

} // namespace AccessibleRole
