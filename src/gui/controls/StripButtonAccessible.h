// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>

class StripButton;

// An image button as assistive tools read it: a push button named by its accessible name or its
// text, pressed by its action; the button of the page on show is selected.
class StripButtonAccessible : public QAccessibleWidget
{
public:
    explicit StripButtonAccessible(StripButton *button);

    // Once per program, before the first button is asked for.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;

private:
    StripButton *button() const;
};
