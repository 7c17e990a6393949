// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PaintedListAccessible.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// One painted item. It asks the list's interface for everything, so it never holds a stale copy.
class PaintedItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PaintedItem(QWidget *widget, int item) : m_widget(widget), m_item(item) { }

    int item() const { return m_item; }
    QWidget *widget() const { return m_widget; }

    bool isValid() const override
    {
        const PaintedListAccessible *owner = list();
        return owner && m_item < owner->itemCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_widget ? m_widget->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return m_widget ? QAccessible::queryAccessibleInterface(m_widget) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const PaintedListAccessible *owner = list();
        return owner && isValid() && t == QAccessible::Name ? owner->itemName(m_item) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const PaintedListAccessible *owner = list();
        if (!owner || !isValid())
            return {};
        const QRect local = owner->itemRect(m_item);
        return local.isEmpty() ? QRect() : local.translated(m_widget->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override
    {
        const PaintedListAccessible *owner = list();
        return owner ? owner->itemRole() : QAccessible::ListItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const PaintedListAccessible *owner = list();
        if (!owner || !isValid()) {
            state.invalid = true;
            return state;
        }
        state = owner->itemState(m_item);
        state.invisible = owner->itemRect(m_item).isEmpty();
        state.offscreen = state.invisible;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
            ? static_cast<QAccessibleActionInterface *>(this)
            : nullptr;
    }
    QStringList actionNames() const override
    {
        const PaintedListAccessible *owner = list();
        return owner && isValid() ? owner->itemActions(m_item) : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (PaintedListAccessible *owner = list();
            owner && isValid() && owner->itemActions(m_item).contains(action))
            owner->doItemAction(m_item, action);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    PaintedListAccessible *list() const
    {
        return m_widget
            ? dynamic_cast<PaintedListAccessible *>(QAccessible::queryAccessibleInterface(m_widget))
            : nullptr;
    }

    QPointer<QWidget> m_widget;
    int m_item;
};

} // namespace

PaintedListAccessible::PaintedListAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

PaintedListAccessible::~PaintedListAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

int PaintedListAccessible::childCount() const
{
    return itemCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface *PaintedListAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    const int items = itemCount();
    if (index >= items)
        return QAccessibleWidget::child(index - items);
    // Made when first asked for and kept, as assistive tools expect the same object each time.
    const auto found = m_items.constFind(index);
    if (found != m_items.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *item = new PaintedItem(widget(), index);
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int PaintedListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (const auto *item = dynamic_cast<const PaintedItem *>(child))
        return item->widget() == widget() && item->item() < itemCount() ? item->item() : -1;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + itemCount();
}

QAccessibleInterface *PaintedListAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < itemCount(); ++i)
        if (itemRect(i).contains(local))
            return child(i);
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface *PaintedListAccessible::focusChild() const
{
    const int current = currentItem();
    if (widget()->hasFocus() && current >= 0)
        return child(current);
    return QAccessibleWidget::focusChild();
}

void PaintedListAccessible::notifyCurrent(QWidget *widget, int item)
{
    if (!QAccessible::isActive() || item < 0 || !widget->hasFocus())
        return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(item);
    QAccessible::updateAccessibility(&event);
}

void PaintedListAccessible::notifyCurrentAfterFocus(QAbstractItemView *view)
{
    QTimer::singleShot(0, view, [view] {
        if (view->currentIndex().isValid())
            notifyCurrent(view, view->currentIndex().row());
    });
}

void PaintedListAccessible::notifyChecked(QWidget *widget, int item)
{
    if (!QAccessible::isActive() || item < 0)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    event.setChild(item);
    QAccessible::updateAccessibility(&event);
}
