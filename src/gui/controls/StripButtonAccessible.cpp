// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StripButtonAccessible.h"

#include "controls/StripButton.h"

namespace {

QAccessibleInterface *stripButtonFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("StripButton"))
        return new StripButtonAccessible(static_cast<StripButton *>(object));
    return nullptr;
}

} // namespace

StripButtonAccessible::StripButtonAccessible(StripButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

void StripButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(stripButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

StripButton *StripButtonAccessible::button() const
{
    return static_cast<StripButton *>(widget());
}

QString StripButtonAccessible::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty())
        return button()->text();
    return own;
}

QAccessible::State StripButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // Its page is on show, so it cannot be pressed; selected, not merely unavailable.
    if (button()->isCurrent()) {
        state.selected = true;
        state.checkable = true;
        state.checked = true;
    }
    return state;
}

QStringList StripButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void StripButtonAccessible::doAction(const QString &action)
{
    if (action == pressAction() && button()->isEnabled())
        button()->click();
    else
        QAccessibleWidget::doAction(action);
}
