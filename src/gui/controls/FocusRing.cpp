#include "controls/FocusRing.h"

#include "skin/SkinColors.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

FocusRing::FocusRing(QWidget *widget, QWidget *surface)
    : QObject(widget), m_widget(widget), m_surface(surface)
{
    widget->installEventFilter(this);
    if (surface != widget)
        surface->installEventFilter(this);
}

FocusRing *FocusRing::follow(QWidget *widget, QWidget *surface)
{
    return new FocusRing(widget, surface ? surface : widget);
}

bool FocusRing::visible() const
{
    return m_byKeyboard && m_widget && m_widget->hasFocus();
}

void FocusRing::setByKeyboard(bool byKeyboard)
{
    if (m_byKeyboard == byKeyboard)
        return;
    m_byKeyboard = byKeyboard;
    if (m_surface)
        m_surface->update();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == m_widget) {
            // Focus handed over by the program (back from an editor, back to the window) keeps
            // whatever the ring was before.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::MouseFocusReason)
                setByKeyboard(false);
            else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason)
                setByKeyboard(true);
            if (m_surface)
                m_surface->update();
        }
        break;
    case QEvent::FocusOut:
        if (watched == m_widget && m_surface)
            m_surface->update();
        break;
    case QEvent::KeyPress:
        if (watched == m_widget)
            setByKeyboard(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        setByKeyboard(false);
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::paint(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Pens centred on half pixels, so each line covers whole pixels.
    painter.setPen(QPen(QColor::fromRgba(SkinColors::FocusRing), 2));
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 3, 3);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::FocusRingInner), 1));
    painter.drawRoundedRect(rect.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    painter.restore();
}
