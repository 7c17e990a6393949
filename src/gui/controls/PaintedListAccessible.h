// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAbstractItemView;

// What assistive tools see of a widget that paints a list of items itself (days, meal rows,
// foods): the items come first among its children, each with a name, a place and a state, then
// the widget's own child widgets. Subclasses only answer for the items as they are shown now.
class PaintedListAccessible : public QAccessibleWidget
{
public:
    // The widget's own name is its accessible name.
    PaintedListAccessible(QWidget *widget, QAccessible::Role role);
    ~PaintedListAccessible() override;

    virtual int itemCount() const = 0;
    virtual QString itemName(int item) const = 0;
    // In the widget's coordinates; empty when the item is scrolled out of sight.
    virtual QRect itemRect(int item) const = 0;
    virtual QAccessible::State itemState(int item) const = 0;
    // The item the keyboard is on, or -1.
    virtual int currentItem() const = 0;
    virtual QAccessible::Role itemRole() const { return QAccessible::ListItem; }
    // The actions an item offers (QAccessibleActionInterface names), and doing one.
    virtual QStringList itemActions(int) const { return {}; }
    virtual void doItemAction(int, const QString &) { }

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // Tells assistive tools that the keyboard is now on this item of the widget.
    static void notifyCurrent(QWidget *widget, int item);
    // The same for the item a view is on once the view's own focus has been told, which follows
    // its focusInEvent: an item told within that event would be talked over by the view's name.
    static void notifyCurrentAfterFocus(QAbstractItemView *view);
    // Tells assistive tools that an item's checked state changed.
    static void notifyChecked(QWidget *widget, int item);

private:
    mutable QHash<int, QAccessible::Id> m_items;
};
