// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHoverButton.h"

#include "controls/EraseRequest.h"
#include "platform/Resources.h"

#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>

CHoverButton::CHoverButton(QWidget *parent) : StripButton(parent) { }

void CHoverButton::SetupButton(int stringId, int imageId, const char *type)
{
    SetToolTipText(Resources::string(stringId), true);
    LoadStrip(imageId, type);
    // Each colour channel compressed into 0.6..0.9 of its range, alpha kept.
    m_disabledFrame = frameImage(
        transformed(strip(),
                    [](int value, int) { return std::min(255, qRound(0.3 * value + 0.6 * 255)); }),
        0);
    refreshSnapshot();
}

void CHoverButton::refreshSnapshot()
{
    m_snapshotValid = false;
    update();
}

void CHoverButton::captureSnapshot()
{
    m_snapshotValid = true;
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    // At the screen's pixel density, or the parent's pixels would be blown up.
    const qreal ratio = devicePixelRatioF();
    m_snapshot = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_snapshot.setDevicePixelRatio(ratio);
    m_snapshot.fill(parent->palette().window().color());
    // Only the parent's own pixels: siblings and this button are not part of the background.
    const EraseRequest::SnapshotScope notAnErase;
    parent->render(&m_snapshot, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
}

void CHoverButton::paintEvent(QPaintEvent *)
{
    // A window moved to a screen of another pixel density needs a new snapshot too.
    if (!m_snapshotValid || m_snapshot.devicePixelRatio() != devicePixelRatioF())
        captureSnapshot();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_snapshot);
    const Frame frame = currentFrame();
    if (frame == Frame::Disabled) {
        ResourceImage::smoothWhenScaled(painter, m_disabledFrame);
        painter.drawImage(QPoint(0, 0), m_disabledFrame);
    } else {
        drawFrame(painter, static_cast<int>(frame));
    }
    drawFocusRing(painter);
}

void CHoverButton::moveEvent(QMoveEvent *event)
{
    if (event->pos() == m_lastPos)
        return;
    refreshSnapshot();
    StripButton::moveEvent(event);
    m_lastPos = event->pos();
}

void CHoverButton::resizeEvent(QResizeEvent *event)
{
    if (event->size() == m_lastSize)
        return;
    StripButton::resizeEvent(event);
    refreshSnapshot();
    m_lastSize = event->size();
}

#include "moc_CHoverButton.cpp"
