// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

#include "PaintKit.h"
#include "layout/DialogLayout.h"
#include "skin/SkinColors.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <QRadialGradient>

using namespace PaintKit;
namespace Layout = DialogLayout;

namespace {

QRectF pixelRectF(Layout::ControlId id)
{
    const Layout::Rect r = Layout::pixelRect(id);
    return QRectF(r.x, r.y, r.width, r.height);
}

void paintWindowGradient(QPainter &p)
{
    const Layout::Rect strip = Layout::pixelRect(Layout::DayStrip);
    QLinearGradient gradient(0, 0, 0, Layout::WindowHeight);
    gradient.setColorAt(0, colour(SkinColors::HeaderTop));
    // Lighter behind the month title and page buttons, the base blue at the strip, deeper below.
    gradient.setColorAt(qreal(strip.y) / Layout::WindowHeight, colour(SkinColors::BaseBlue));
    gradient.setColorAt(qreal(strip.bottom()) / Layout::WindowHeight, colour(SkinColors::PageTop));
    gradient.setColorAt(1, colour(SkinColors::PageBottom));
    p.fillRect(QRect(0, 0, Layout::WindowWidth, Layout::WindowHeight), gradient);

    // A faint light from above the page area keeps the large plain field from looking flat.
    QRadialGradient glow(QPointF(Layout::WindowWidth / 2.0, strip.bottom()), 420);
    glow.setColorAt(0, colour(SkinColors::PageGlow));
    glow.setColorAt(1, colour(SkinColors::PageGlowEdge));
    p.fillRect(QRect(0, strip.bottom(), Layout::WindowWidth, Layout::WindowHeight - strip.bottom()),
               glow);
}

// A rounded band under the day strip, with faint dividers on the strip's cell boundaries
// (the chart's grid columns fall on the same lines).
void paintStripBand(QPainter &p)
{
    const Layout::Rect strip = Layout::pixelRect(Layout::DayStrip);
    const QRectF band(2.5, strip.y + 1.5, strip.width - 4, strip.height - 4);
    fillRounded(p, band.translated(0, 1), 8, colour(SkinColors::SoftShadow));
    fillRounded(
        p, band, 8,
        vertical(band.top(), band.bottom(), SkinColors::StripBandTop, SkinColors::StripBandBottom));
    strokeRounded(p, band, 8, SkinColors::StripBandEdge);

    // Weekday names nearly fill a cell, so the dividers start below them.
    const qreal weekdayRow = (strip.height - 2) / 4;
    for (int i = 0; i <= DayStripDays; ++i) {
        const int x = int(DayStripMargin + i * dayCellWidth());
        hairline(p, x, strip.y + weekdayRow + 1, x, band.bottom() - 5, SkinColors::StripDivider);
    }
}

void paintWindowRim(QPainter &p)
{
    const QRectF outer(0.5, 0.5, Layout::WindowWidth - 1, Layout::WindowHeight - 1);
    strokeRounded(p, outer, 0, SkinColors::WindowRim);
    hairline(p, 1, 1, Layout::WindowWidth - 2, 1, SkinColors::WindowRimLight);
}

// A frosted panel grouping a set of controls; controls that paint the plain background under
// themselves sit in it as wells with an inset edge.
void paintPanel(QPainter &p, const QRectF &rect)
{
    fillRounded(p, rect, 9, colour(SkinColors::PanelFrost));
    strokeRounded(p, rect.adjusted(0.5, 0.5, -0.5, -0.5), 8.5, SkinColors::PanelFrostEdge);
}

void paintWell(QPainter &p, Layout::ControlId id)
{
    const QRectF r = pixelRectF(id);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(r.adjusted(-1, -1, 1, 1), Qt::transparent);
    p.restore();
    strokeRounded(p, r.adjusted(-1.5, -1.5, 1.5, 1.5), 3, SkinColors::WellEdgeLight);
    strokeRounded(p, r.adjusted(-0.5, -0.5, 0.5, 0.5), 2, SkinColors::WellEdgeDark);
}

// A label ending `gap` pixels left of a control, centred on the control's height.
void labelLeftOf(QPainter &p, Layout::ControlId id, const QString &text, int gap = 6)
{
    const QRectF r = pixelRectF(id);
    const QRectF box(r.left() - gap - 200, r.top(), 200, r.height());
    shadowedText(p, box, Qt::AlignRight | Qt::AlignVCenter, text, SkinColors::White,
                 SkinColors::TextShadow);
}

} // namespace

namespace Backgrounds {

QImage mainBackground()
{
    QImage image = canvas(Layout::WindowWidth, Layout::WindowHeight);
    QPainter p(&image);
    prepare(p);
    paintWindowGradient(p);
    paintStripBand(p);
    paintWindowRim(p);
    return image;
}

QImage foodOverlay()
{
    QImage image = canvas(Layout::WindowWidth, Layout::WindowHeight);
    QPainter p(&image);
    prepare(p);

    const QRectF weight = pixelRectF(Layout::WeightBox);
    const QRectF nutrients = pixelRectF(Layout::NutrientPanel);
    const QRectF search = pixelRectF(Layout::SearchBox);
    const qreal top = weight.top() - 6;
    const qreal split = (nutrients.right() + pixelRectF(Layout::FoodList).left()) / 2;

    // The panels run into the window's bottom edge: Delete Selected and Clear List sit at the
    // very bottom, and a panel edge would cut through them.
    p.save();
    p.setClipRect(1, 0, Layout::WindowWidth - 2, Layout::WindowHeight - 1);
    const qreal bottom = Layout::WindowHeight + 10;
    paintPanel(p,
               QRectF(nutrients.left() - 5, top, split - 2 - (nutrients.left() - 5), bottom - top));
    paintPanel(p, QRectF(split + 2, top, search.right() + 5 - (split + 2), bottom - top));
    p.restore();
    paintWell(p, Layout::NutrientPanel);
    paintWell(p, Layout::FoodList);
    paintWell(p, Layout::MealList);

    p.setFont(arial(9, true));
    labelLeftOf(p, Layout::WeightBox, QCoreApplication::translate("Skin", "Weight"));
    labelLeftOf(p, Layout::SearchBox, QCoreApplication::translate("Skin", "Search"));
    // The unit box is only 15 pixels right of the amount box and the food list ends 5 pixels
    // above both, so one label names the pair.
    labelLeftOf(p, Layout::AmountBox, QCoreApplication::translate("Skin", "Amount / Unit"));
    return image;
}

QImage updatePrompt()
{
    constexpr int width = 324;
    constexpr int height = 190;
    QImage image = canvas(width, height, false);
    QPainter p(&image);
    prepare(p);
    p.fillRect(QRect(0, 0, width, height),
               vertical(0, height, SkinColors::HeaderTop, SkinColors::PageBottom));
    strokeRounded(p, QRectF(0.5, 0.5, width - 1, height - 1), 0, SkinColors::WindowRim);
    hairline(p, 1, 1, width - 2, 1, SkinColors::WindowRimLight);

    // Warning sign: an amber triangle with rounded corners and an exclamation mark.
    const QRectF sign(18, 22, 64, 56);
    QPainterPath triangle;
    triangle.moveTo(sign.center().x(), sign.top());
    triangle.lineTo(sign.right(), sign.bottom());
    triangle.lineTo(sign.left(), sign.bottom());
    triangle.closeSubpath();
    p.save();
    p.setPen(
        QPen(colour(SkinColors::WarningAmberDark), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(sign.top(), sign.bottom(), SkinColors::WarningAmber,
                        SkinColors::WarningAmberDark));
    p.drawPath(triangle);
    p.setPen(QPen(colour(SkinColors::WarningAmber), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.setPen(QPen(colour(SkinColors::WarningMark), 6, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = sign.center().x();
    p.drawLine(QPointF(cx, sign.top() + 20), QPointF(cx, sign.top() + 37));
    p.drawPoint(QPointF(cx, sign.top() + 47));
    p.restore();

    const QRectF text(96, 20, width - 96 - 14, 100);
    p.setFont(arial(12, true));
    QRectF used;
    p.setPen(colour(SkinColors::White));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate("Skin", "This version of Corvalo\nis outdated."), &used);
    p.setFont(arial(9, false));
    p.setPen(colour(SkinColors::PromptSubtext));
    p.drawText(text.adjusted(0, used.height() + 8, 0, 0),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate("Skin", "A newer version is available\nfor download."));

    hairline(p, 14, 118, width - 15, 118, SkinColors::WellEdgeDark);
    hairline(p, 14, 119, width - 15, 119, SkinColors::WellEdgeLight);
    return image;
}

} // namespace Backgrounds
