// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FieldFocusFrame.h"

#include "controls/FocusRing.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace {

// The box that shows the ring for the focused widget: a line edit alone, or the drop-down list or
// spin box it is part of.
QWidget *fieldFocusBoxOf(QWidget *focused)
{
    if (!focused)
        return nullptr;
    QWidget *parent = focused->parentWidget();
    if (qobject_cast<QLineEdit *>(focused) &&
        (qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent)))
        return parent;
    if (qobject_cast<QLineEdit *>(focused) || qobject_cast<QComboBox *>(focused) ||
        qobject_cast<QAbstractSpinBox *>(focused))
        return focused;
    return nullptr;
}

} // namespace

FieldFocusFrame::FieldFocusFrame()
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

FieldFocusFrame *FieldFocusFrame::instance()
{
    static QPointer<FieldFocusFrame> frame;
    if (!frame) {
        frame = new FieldFocusFrame;
        QObject::connect(qApp, &QApplication::focusChanged, frame,
                         [](QWidget *, QWidget *now) { frame->follow(now); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, frame, &QObject::deleteLater);
    }
    return frame;
}

void FieldFocusFrame::install()
{
    instance();
}

void FieldFocusFrame::follow(QWidget *focused)
{
    QWidget *box = fieldFocusBoxOf(focused);
    if (m_field)
        m_field->removeEventFilter(this);
    m_field = box;
    if (!box || !box->parentWidget()) {
        hide();
        setParent(nullptr);
        return;
    }
    box->installEventFilter(this);
    setParent(box->parentWidget());
    place();
}

void FieldFocusFrame::place()
{
    if (!m_field || !m_field->isVisible()) {
        hide();
        return;
    }
    setGeometry(m_field->geometry());
    raise();
    show();
}

bool FieldFocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FieldFocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FocusRing::paint(painter, QRectF(rect()));
}

#include "moc_FieldFocusFrame.cpp"
