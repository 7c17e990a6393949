#include "ButtonStrips.h"

#include "PaintKit.h"
#include "skin/SkinColors.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <functional>

using namespace PaintKit;

namespace {

enum Look { Normal, Hover, Pressed, LookCount };

struct Palette
{
    std::uint32_t top[LookCount];
    std::uint32_t bottom[LookCount];
    std::uint32_t rim;
    std::uint32_t textShadow;
};

constexpr Palette Blue {
    {SkinColors::ButtonTop, SkinColors::ButtonHoverTop, SkinColors::ButtonPressedTop},
    {SkinColors::ButtonBottom, SkinColors::ButtonHoverBottom, SkinColors::ButtonPressedBottom},
    SkinColors::ButtonRim,
    SkinColors::TextShadow};

constexpr Palette Green {
    {SkinColors::GoTop, SkinColors::GoHoverTop, SkinColors::GoPressedTop},
    {SkinColors::GoBottom, SkinColors::GoHoverBottom, SkinColors::GoPressedBottom},
    SkinColors::GoRim,
    SkinColors::GoTextShadow};

// Draws what sits on a button (caption or glyph) into the frame's face rectangle.
using Content = std::function<void(QPainter &, const QRectF &face, Look look)>;

// The shared button body: a rounded gradient face with a dark rim, a gloss on its upper half
// and a top highlight; the pressed face is darker with an inner shadow instead.
void paintFace(QPainter &p, const QRectF &frame, const Palette &palette, Look look, qreal radius)
{
    const QRectF face = frame.adjusted(0.5, 0.5, -0.5, -0.5);
    fillRounded(p, face, radius,
                vertical(face.top(), face.bottom(), palette.top[look], palette.bottom[look]));
    if (look == Pressed) {
        p.save();
        p.setClipRect(face.adjusted(0, 0, 0, -face.height() / 2), Qt::IntersectClip);
        fillRounded(p, face, radius,
                    vertical(face.top(), face.top() + 5, SkinColors::PressedShade,
                             SkinColors::Transparent));
        p.restore();
    } else {
        p.save();
        p.setClipRect(face.adjusted(0, 0, 0, -face.height() / 2), Qt::IntersectClip);
        fillRounded(p, face.adjusted(1, 1, -1, 0), radius - 1, colour(SkinColors::ButtonGloss));
        p.restore();
        hairline(p, face.left() + radius, face.top() + 0.5, face.right() - radius - 1,
                 face.top() + 0.5, SkinColors::ButtonHighlight);
    }
    strokeRounded(p, face, radius, palette.rim);
}

QImage strip(int frameWidth, int frameHeight, const Palette &palette, qreal radius,
             const Content &content)
{
    QImage image = canvas(frameWidth * LookCount, frameHeight);
    QPainter p(&image);
    prepare(p);
    for (int look = Normal; look < LookCount; ++look) {
        const QRectF frame(look * frameWidth, 0, frameWidth, frameHeight);
        p.save();
        p.setClipRect(frame);
        paintFace(p, frame, palette, Look(look), radius);
        // Pressed content sinks by a pixel.
        content(p, frame.adjusted(1, look == Pressed ? 1 : 0, -1, look == Pressed ? 0 : -1),
                Look(look));
        p.restore();
    }
    return image;
}

std::uint32_t shadowFor(const Palette &palette, Look look)
{
    // The pressed frame also makes the disabled look, where this shadow keeps the caption
    // apart from the red face.
    return look == Pressed ? SkinColors::PressedTextShadow : palette.textShadow;
}

Content caption(const QString &text, double points, const Palette &palette)
{
    return [text, points, palette](QPainter &p, const QRectF &face, Look look) {
        p.setFont(fittedArial(text, points, true, face.width() - 4));
        shadowedText(p, face, Qt::AlignCenter, text, SkinColors::White, shadowFor(palette, look));
    };
}

QImage captionStrip(int frameWidth, int frameHeight, const QString &text, double points,
                    const Palette &palette = Blue)
{
    const qreal radius = frameHeight <= 16 ? 4 : 6;
    return strip(frameWidth, frameHeight, palette, radius, caption(text, points, palette));
}

// Glyphs are stroked twice: a dark pass one pixel lower, then white.
void strokeGlyph(QPainter &p, const QPainterPath &path, qreal width, const Palette &palette,
                 Look look)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(colour(shadowFor(palette, look)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0, 1));
    p.setPen(QPen(colour(SkinColors::White), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QImage arrowStrip(bool pointsRight)
{
    return strip(17, 24, Blue, 5, [pointsRight](QPainter &p, const QRectF &face, Look look) {
        const QPointF c = face.center();
        const qreal dx = pointsRight ? 2.5 : -2.5;
        QPainterPath chevron;
        chevron.moveTo(c.x() - dx, c.y() - 5);
        chevron.lineTo(c.x() + dx, c.y());
        chevron.lineTo(c.x() - dx, c.y() + 5);
        strokeGlyph(p, chevron, 2.2, Blue, look);
    });
}

} // namespace

namespace ButtonStrips {

QImage nextDay()
{
    return arrowStrip(true);
}

QImage previousDay()
{
    return arrowStrip(false);
}

QImage close()
{
    return strip(22, 23, Blue, 5, [](QPainter &p, const QRectF &face, Look look) {
        const QPointF c = face.center();
        constexpr qreal arm = 4.5;
        QPainterPath cross;
        cross.moveTo(c.x() - arm, c.y() - arm);
        cross.lineTo(c.x() + arm, c.y() + arm);
        cross.moveTo(c.x() + arm, c.y() - arm);
        cross.lineTo(c.x() - arm, c.y() + arm);
        strokeGlyph(p, cross, 2.2, Blue, look);
    });
}

QImage food()
{
    return captionStrip(35, 16, QStringLiteral("Food"), 8);
}

QImage charts()
{
    return captionStrip(44, 16, QStringLiteral("Charts"), 8);
}

QImage diary()
{
    return captionStrip(40, 16, QStringLiteral("Diary"), 8);
}

QImage ovulation()
{
    return captionStrip(64, 16, QStringLiteral("Ovulation"), 8);
}

QImage settings()
{
    return captionStrip(55, 16, QStringLiteral("Settings"), 8);
}

QImage deleteSelected()
{
    return captionStrip(92, 16, QStringLiteral("Delete Selected"), 8);
}

QImage clearList()
{
    return captionStrip(62, 16, QStringLiteral("Clear List"), 8);
}

QImage community()
{
    return captionStrip(70, 16, QStringLiteral("Community"), 8);
}

QImage add()
{
    return strip(126, 29, Green, 7, [](QPainter &p, const QRectF &face, Look look) {
        const QString text = QStringLiteral("Add");
        p.setFont(arial(11, true));
        const qreal textWidth = QFontMetricsF(p.font()).horizontalAdvance(text);
        constexpr qreal plus = 10;
        constexpr qreal gap = 7;
        const qreal left = face.center().x() - (plus + gap + textWidth) / 2;
        const qreal cy = face.center().y();
        QPainterPath glyph;
        glyph.moveTo(left, cy);
        glyph.lineTo(left + plus, cy);
        glyph.moveTo(left + plus / 2, cy - plus / 2);
        glyph.lineTo(left + plus / 2, cy + plus / 2);
        strokeGlyph(p, glyph, 2.6, Green, look);
        shadowedText(p, QRectF(left + plus + gap, face.top(), textWidth + 2, face.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text, SkinColors::White,
                     shadowFor(Green, look));
    });
}

QImage noThanks()
{
    return captionStrip(100, 23, QStringLiteral("No, thanks"), 9);
}

QImage download()
{
    return captionStrip(270, 25, QStringLiteral("Click to download"), 10, Green);
}

} // namespace ButtonStrips
