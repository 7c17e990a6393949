// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

// The focus mark of the text boxes and drop-down lists: the skin's two-tone ring laid over the
// edge of the box that has the focus, a light outer line against the blue around the box and a
// dark inner one against its white. A style sheet border has one colour, which cannot stand out
// from both. One frame serves every box of the program and moves with the focus.
class FieldFocusFrame : public QWidget
{
    Q_OBJECT

public:
    // Once per program, after the application object exists.
    static void install();

    // The box the ring is on now, or null.
    QWidget *field() const { return m_field; }
    static FieldFocusFrame *instance();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FieldFocusFrame();
    void follow(QWidget *focused);
    void place();

    QPointer<QWidget> m_field;
};
