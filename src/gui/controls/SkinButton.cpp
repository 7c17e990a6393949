// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SkinButton.h"

#include "controls/FocusRing.h"
#include "platform/SkinFont.h"
#include "skin/SkinColors.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QColor colour(std::uint32_t argb)
{
    return QColor::fromRgba(argb);
}

struct Face
{
    std::uint32_t top;
    std::uint32_t bottom;
    std::uint32_t rim;
    std::uint32_t shadow;
};

Face faceOf(SkinButton::Look look, bool hover, bool down)
{
    if (look == SkinButton::Look::Green) {
        if (down)
            return {SkinColors::GoPressedTop, SkinColors::GoPressedBottom, SkinColors::GoRim,
                    SkinColors::PressedTextShadow};
        return {hover ? SkinColors::GoHoverTop : SkinColors::GoTop,
                hover ? SkinColors::GoHoverBottom : SkinColors::GoBottom, SkinColors::GoRim,
                SkinColors::GoTextShadow};
    }
    if (down)
        return {SkinColors::ButtonPressedTop, SkinColors::ButtonPressedBottom,
                SkinColors::ButtonRim, SkinColors::PressedTextShadow};
    return {hover ? SkinColors::ButtonHoverTop : SkinColors::ButtonTop,
            hover ? SkinColors::ButtonHoverBottom : SkinColors::ButtonBottom, SkinColors::ButtonRim,
            SkinColors::TextShadow};
}

} // namespace

SkinButton::SkinButton(const QString &caption, QWidget *parent, Look look)
    : QAbstractButton(parent), m_look(look)
{
    setText(caption);
    setFont(skinFont(QStringLiteral("Arial"), 9, QFont::Bold));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_focusRing = FocusRing::follow(this, this);
    resize(sizeHint());
}

void SkinButton::setCaptionPoints(double points)
{
    setFont(skinFont(QStringLiteral("Arial"), points, QFont::Bold));
    updateGeometry();
}

QSize SkinButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 14, metrics.height() + 6};
}

void SkinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool down = isDown();
    const Face face = faceOf(m_look, m_hover && isEnabled(), down);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = height() <= 18 ? 4 : 6;
    QPainterPath path;
    path.addRoundedRect(outline, radius, radius);

    QLinearGradient fill(outline.topLeft(), outline.bottomLeft());
    fill.setColorAt(0, colour(face.top));
    fill.setColorAt(1, colour(face.bottom));
    painter.fillPath(path, fill);
    if (!down) {
        // The gloss on the upper half, as on the image buttons.
        painter.save();
        painter.setClipRect(outline.adjusted(0, 0, 0, -outline.height() / 2));
        QPainterPath gloss;
        gloss.addRoundedRect(outline.adjusted(1, 1, -1, 0), radius - 1, radius - 1);
        painter.fillPath(gloss, colour(SkinColors::ButtonGloss));
        painter.restore();
    }
    painter.setPen(QPen(colour(face.rim), 1.0));
    painter.drawPath(path);

    QRectF caption = QRectF(rect()).adjusted(2, down ? 1 : 0, -2, down ? 0 : -1);
    painter.setFont(font());
    painter.setPen(colour(face.shadow));
    painter.drawText(caption.translated(0, 1), Qt::AlignCenter, text());
    painter.setPen(colour(isEnabled() ? SkinColors::White : SkinColors::PromptSubtext));
    painter.drawText(caption, Qt::AlignCenter, text());
    if (!isEnabled())
        painter.fillPath(path, colour(SkinColors::PressedShade));
    if (m_focusRing->visible())
        FocusRing::paint(painter, QRectF(rect()));
}

void SkinButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

#include "moc_SkinButton.cpp"
