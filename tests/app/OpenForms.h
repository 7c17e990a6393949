// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

// Runs `fill` on the form once it is open (its exec() runs the event loop).
template<typename Form> void whenOpen(std::function<void(Form &)> fill)
{
    QTimer::singleShot(0, [fill] {
        auto *form = qobject_cast<Form *>(QApplication::activeModalWidget());
        QVERIFY(form);
        fill(*form);
        // A check that failed inside leaves the form open: close it, so the test goes on.
        if (form->isVisible())
            form->reject();
    });
}

// Replaces the box's text as a user would, key by key.
inline void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}
