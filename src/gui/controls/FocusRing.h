// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QPainter;
class QRectF;
class QWidget;

// The skin's keyboard focus mark, and when it shows: on the widget with the focus, once the
// user works with the keyboard. A mouse press hides it again until the next key, as desktops
// do, so a click never leaves a ring behind.
class FocusRing : public QObject
{
    Q_OBJECT

public:
    // Follows the focus of `widget`; `surface` (the widget itself, or its viewport) is repainted
    // when the ring comes or goes. Owned by the widget.
    static FocusRing *follow(QWidget *widget, QWidget *surface);

    bool visible() const;

    // Draws the ring just inside `rect`.
    static void paint(QPainter &painter, const QRectF &rect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusRing(QWidget *widget, QWidget *surface);

    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_surface;
};
