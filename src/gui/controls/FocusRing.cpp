// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusRing.h"

#include "skin/SkinColors.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

// Whether the user last used the keyboard rather than the mouse, application-wide.
class KeyboardCues : public QObject
{
public:
    static KeyboardCues &instance()
    {
        static KeyboardCues *cues = [] {
            auto *made = new KeyboardCues(qApp);
            qApp->installEventFilter(made);
            return made;
        }();
        return *cues;
    }

    bool shown() const { return m_shown; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            set(true);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            set(false);
            break;
        default:
            break;
        }
        return false;
    }

private:
    explicit KeyboardCues(QObject *parent) : QObject(parent) { }

    void set(bool shown)
    {
        if (m_shown == shown)
            return;
        m_shown = shown;
        if (QWidget *focused = QApplication::focusWidget()) {
            focused->update();
            // A list paints its ring on its viewport.
            for (QWidget *child : focused->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                child->update();
        }
    }

    bool m_shown = false;
};

} // namespace

FocusRing::FocusRing(QWidget *widget, QWidget *surface)
    : QObject(widget), m_widget(widget), m_surface(surface)
{
    KeyboardCues::instance();
    widget->installEventFilter(this);
}

FocusRing *FocusRing::follow(QWidget *widget, QWidget *surface)
{
    return new FocusRing(widget, surface ? surface : widget);
}

bool FocusRing::visible() const
{
    return m_widget && m_widget->hasFocus() && KeyboardCues::instance().shown();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    // Without the keyboard cues the ring neither comes nor goes: nothing to repaint, as when
    // the window is activated or a prompt takes the focus away.
    if (watched == m_widget && m_surface && KeyboardCues::instance().shown() &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_surface->update();
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

#include "moc_FocusRing.cpp"
