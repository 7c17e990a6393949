// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StripButton.h"

#include "controls/FocusRing.h"
#include "controls/StripButtonAccessible.h"

#include <QAccessible>
#include <QPainter>

StripButton::StripButton(QWidget *parent) : QAbstractButton(parent)
{
    // Before anything below makes a reader ask for the button: the answer is kept for its life.
    StripButtonAccessible::install();
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    m_focusRing = FocusRing::follow(this, this);
}

void StripButton::setCurrent(bool current)
{
    if (m_current == current)
        return;
    m_current = current;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.selected = true;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

bool StripButton::LoadStrip(int imageId, const char *type)
{
    m_strip.Load(imageId, type);
    m_frameWidth = m_strip.width() / 3; // remainder columns are never shown
    m_frameHeight = m_strip.height();
    resize(m_frameWidth, m_frameHeight);
    raise();
    return true;
}

void StripButton::SetToolTipText(const QString &text, bool activate)
{
    setToolTip(activate ? text : QString());
}

StripButton::Frame StripButton::currentFrame() const
{
    if (!isEnabled())
        return Frame::Disabled;
    if (isDown())
        return Frame::Pressed;
    if (m_hover)
        return Frame::Hover;
    return Frame::Normal;
}

QRect StripButton::framePixels(const QImage &image, int frame) const
{
    // Frames are laid out in layout pixels; a 2x strip has twice as many of its own.
    const int ratio = qRound(image.devicePixelRatio());
    return QRect(frame * m_frameWidth * ratio, 0, m_frameWidth * ratio, m_frameHeight * ratio);
}

QImage StripButton::frameImage(const QImage &image, int frame) const
{
    QImage copy = image.copy(framePixels(image, frame));
    copy.setDevicePixelRatio(image.devicePixelRatio());
    return copy;
}

void StripButton::drawFrame(QPainter &painter, int frame) const
{
    const QImage &image = m_strip.image();
    ResourceImage::smoothWhenScaled(painter, image);
    painter.drawImage(QRectF(0, 0, m_frameWidth, m_frameHeight), image, framePixels(image, frame));
}

void StripButton::drawFocusRing(QPainter &painter) const
{
    if (m_focusRing->visible())
        FocusRing::paint(painter, QRectF(rect()));
}

QImage StripButton::transformed(const QImage &strip, int (*channel)(int value, int which))
{
    // Colour transforms work on straight (not premultiplied) colour, as the skin was drawn.
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] =
                qRgba(channel(qRed(p), 0), channel(qGreen(p), 1), channel(qBlue(p), 2), qAlpha(p));
        }
    }
    return image;
}

void StripButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void StripButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

#include "moc_StripButton.cpp"
