#pragma once

#include <QObject>
#include <QPointer>

class QPainter;
class QRectF;
class QWidget;

// The skin's keyboard focus mark, and when a widget shows it: while it has the focus and the
// keyboard brought it there or was used in it since. A click that focuses a widget shows no
// ring, as desktop users expect; the next key shows it.
class FocusRing : public QObject
{
    Q_OBJECT

public:
    // Follows the focus of `widget`; `surface` (the widget itself, or its viewport) is repainted
    // when the ring comes or goes, and a press on it hides the ring. Owned by the widget.
    static FocusRing *follow(QWidget *widget, QWidget *surface);

    bool visible() const;

    // Draws the ring just inside `rect`.
    static void paint(QPainter &painter, const QRectF &rect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusRing(QWidget *widget, QWidget *surface);
    void setByKeyboard(bool byKeyboard);

    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_surface;
    bool m_byKeyboard = false;
};
