// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonStrips.h"

#include "PaintKit.h"
#include "layout/DialogLayout.h"
#include "skin/SkinColors.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <functional>
#include <vector>

using namespace PaintKit;

namespace {

enum Look { Normal, Hover, Pressed, LookCount };

struct Palette
{
    std::uint32_t top[LookCount];
    std::uint32_t bottom[LookCount];
    std::uint32_t rim;
    std::uint32_t textShadow;
    std::uint32_t pressedCaption;
};

constexpr Palette Blue {
    {SkinColors::ButtonTop, SkinColors::ButtonHoverTop, SkinColors::ButtonPressedTop},
    {SkinColors::ButtonBottom, SkinColors::ButtonHoverBottom, SkinColors::ButtonPressedBottom},
    SkinColors::ButtonRim,
    SkinColors::TextShadow,
    SkinColors::PressedCaption};

constexpr Palette Green {
    {SkinColors::GoTop, SkinColors::GoHoverTop, SkinColors::GoPressedTop},
    {SkinColors::GoBottom, SkinColors::GoHoverBottom, SkinColors::GoPressedBottom},
    SkinColors::GoRim,
    SkinColors::GoTextShadow,
    SkinColors::White};

// Pixels of a frame left clear at each side, so that the face keeps off a neighbour that the
// frame overlaps.
struct Margins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

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
             const Content &content, Margins margins = {})
{
    QImage image = canvas(frameWidth * LookCount, frameHeight);
    QPainter p(&image);
    prepare(p);
    for (int look = Normal; look < LookCount; ++look) {
        const QRectF frame =
            QRectF(look * frameWidth, 0, frameWidth, frameHeight)
                .adjusted(margins.left, margins.top, -margins.right, -margins.bottom);
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

std::uint32_t captionFor(const Palette &palette, Look look)
{
    return look == Pressed ? palette.pressedCaption : SkinColors::White;
}

Content caption(const QString &text, double points, const Palette &palette)
{
    return [text, points, palette](QPainter &p, const QRectF &face, Look look) {
        p.setFont(fittedArial(text, points, true, face.width() - 4));
        shadowedText(p, face, Qt::AlignCenter, text, captionFor(palette, look),
                     shadowFor(palette, look));
    };
}

QImage captionStrip(int frameWidth, int frameHeight, const QString &text, double points,
                    const Palette &palette = Blue, Margins margins = {})
{
    const qreal radius = frameHeight <= 16 ? 4 : 6;
    return strip(frameWidth, frameHeight, palette, radius, caption(text, points, palette), margins);
}

// The page buttons in the window's top row, left to right, with their frames' widths. Each takes
// its frame's size at the template's place, so neighbours overlap by up to two pixels.
struct PageButton
{
    DialogLayout::ControlId id;
    int frameWidth;
};
constexpr PageButton PageButtons[] = {{DialogLayout::FoodButton, 35},
                                      {DialogLayout::ChartsButton, 44},
                                      {DialogLayout::DiaryButton, 40},
                                      {DialogLayout::CommunityButton, 70}};
constexpr int PageButtonGap = 2;

// Either neighbour may lie on top, so both leave their shared pixels clear; the faces then keep
// at least PageButtonGap apart.
Margins pageButtonMargins(DialogLayout::ControlId id)
{
    const auto overlap = [](const PageButton &left, const PageButton &right) {
        return DialogLayout::pixelRect(left.id).x + left.frameWidth -
            DialogLayout::pixelRect(right.id).x;
    };
    constexpr int count = int(std::size(PageButtons));
    Margins margins;
    for (int i = 0; i < count; ++i) {
        if (PageButtons[i].id != id)
            continue;
        if (i > 0)
            margins.left = std::max(0, overlap(PageButtons[i - 1], PageButtons[i]));
        if (i + 1 < count) {
            const int shared = overlap(PageButtons[i], PageButtons[i + 1]);
            margins.right = std::max(0, shared);
            const int gap = margins.right + std::max(0, shared) - shared;
            margins.right += std::max(0, PageButtonGap - gap);
        }
    }
    return margins;
}

int pageFrameWidth(DialogLayout::ControlId id)
{
    for (const PageButton &button : PageButtons) {
        if (button.id == id)
            return button.frameWidth;
    }
    return 0;
}

// The captions of the buttons in the window's top right: the pages, and Community beside them.
struct TopCaption
{
    int frameWidth;
    Margins margins;
    QString text;
};

std::vector<TopCaption> topCaptions()
{
    const auto page = [](DialogLayout::ControlId id, const char *text) {
        return TopCaption {pageFrameWidth(id), pageButtonMargins(id),
                           QCoreApplication::translate("Skin", text)};
    };
    return {page(DialogLayout::FoodButton, "Food"),
            page(DialogLayout::ChartsButton, "Charts"),
            page(DialogLayout::DiaryButton, "Diary"),
            page(DialogLayout::CommunityButton, "Community"),
            {64, {}, QCoreApplication::translate("Skin", "Nutrients")},
            {55, {}, QCoreApplication::translate("Skin", "Settings")}};
}

// One size for all of them, the largest at which each fits its face: a short word drawn smaller
// than its neighbours looks like a lesser button.
double topCaptionPoints()
{
    static const double points = [] {
        double size = 8;
        const auto allFit = [](double candidate) {
            const QFontMetricsF metrics(arial(candidate, true));
            for (const TopCaption &caption : topCaptions()) {
                // The face as strip() and caption() leave it.
                const qreal room =
                    caption.frameWidth - caption.margins.left - caption.margins.right - 2 - 4;
                if (metrics.horizontalAdvance(caption.text) > room)
                    return false;
            }
            return true;
        };
        while (!allFit(size) && arial(size, true).pixelSize() > 9)
            size -= 0.5;
        return size;
    }();
    return points;
}

QImage pageStrip(DialogLayout::ControlId id, const QString &text)
{
    return captionStrip(pageFrameWidth(id), 16, text, topCaptionPoints(), Blue,
                        pageButtonMargins(id));
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
    p.setPen(
        QPen(colour(captionFor(palette, look)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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
    return pageStrip(DialogLayout::FoodButton, QCoreApplication::translate("Skin", "Food"));
}

QImage charts()
{
    return pageStrip(DialogLayout::ChartsButton, QCoreApplication::translate("Skin", "Charts"));
}

QImage diary()
{
    return pageStrip(DialogLayout::DiaryButton, QCoreApplication::translate("Skin", "Diary"));
}

QImage ovulation()
{
    return captionStrip(64, 16, QCoreApplication::translate("Skin", "Nutrients"),
                        topCaptionPoints());
}

QImage settings()
{
    return captionStrip(55, 16, QCoreApplication::translate("Skin", "Settings"),
                        topCaptionPoints());
}

QImage deleteSelected()
{
    return captionStrip(92, 16, QCoreApplication::translate("Skin", "Delete Selected"), 8);
}

QImage clearList()
{
    return captionStrip(62, 16, QCoreApplication::translate("Skin", "Clear List"), 8);
}

QImage community()
{
    return pageStrip(DialogLayout::CommunityButton,
                     QCoreApplication::translate("Skin", "Community"));
}

QImage add()
{
    return strip(126, 29, Green, 7, [](QPainter &p, const QRectF &face, Look look) {
        const QString text = QCoreApplication::translate("Skin", "Add");
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

// The prompt's buttons take their frames' sizes at the template's places: "Click to download"
// (on top) covers the first two rows of "No, thanks", which also sits 8 pixels right of the
// prompt's middle. The faces keep clear of the shared rows, and "No, thanks" centres its face.
constexpr int NoThanksWidth = 100;
constexpr int NoThanksHeight = 23;
constexpr int DownloadWidth = 270;
constexpr int DownloadHeight = 25;
constexpr int NoThanksFaceWidth = 80;
constexpr int PromptButtonGap = 3;

int promptRowsShared()
{
    const DialogLayout::Rect download = DialogLayout::toPixels(DialogLayout::PromptDownloadUnits);
    const DialogLayout::Rect noThanks = DialogLayout::toPixels(DialogLayout::PromptNoThanksUnits);
    return std::max(0, download.y + DownloadHeight - noThanks.y);
}

QImage noThanks()
{
    const int promptWidth = DialogLayout::toPixels(DialogLayout::PromptUnits).width;
    const int x = DialogLayout::toPixels(DialogLayout::PromptNoThanksUnits).x;
    const int left = std::clamp(promptWidth / 2 - x - NoThanksFaceWidth / 2, 0,
                                NoThanksWidth - NoThanksFaceWidth);
    // The download face ends where this frame begins, so the gap is this frame's top margin.
    const int top = std::max(promptRowsShared(), PromptButtonGap);
    const Margins margins {left, top, NoThanksWidth - NoThanksFaceWidth - left, 0};
    return captionStrip(NoThanksWidth, NoThanksHeight,
                        QCoreApplication::translate("Skin", "No, thanks"), 9, Blue, margins);
}

QImage download()
{
    return captionStrip(DownloadWidth, DownloadHeight,
                        QCoreApplication::translate("Skin", "Click to download"), 10, Green,
                        Margins {0, 0, 0, promptRowsShared()});
}

} // namespace ButtonStrips
