// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/CElements.h"

#include "meals/NutrientPanelAccessible.h"
#include "meals/NutrientText.h"
#include "platform/CoreText.h"
#include "platform/ShownNumber.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace {

constexpr qreal TextWidth = 1000; // wide enough that aligned texts are never cut
// The goal bar sits in the gap under the total's line.
constexpr int GoalBarTop = 30;
constexpr int GoalBarHeight = 3;

QString figureOrZero(double value)
{
    const std::string figure = NutrientText::Figure(float(value));
    return figure.empty() ? QStringLiteral("0") : ShownNumber::text(figure);
}

QColor goalColour(const NutrientGoals::Progress &progress)
{
    if (progress.exceeded)
        return QColor::fromRgba(SkinColors::GoalExceeded);
    return QColor::fromRgba(progress.reached ? SkinColors::GoalReached : SkinColors::GoalBar);
}

} // namespace

CElements::CElements(QWidget *parent)
    : QWidget(parent), m_labelFont(skinFont(QStringLiteral("Arial"), 10, QFont::Bold)),
      m_totalFont(skinFont(QStringLiteral("Arial"), 10)),
      m_previewFont(skinFont(QStringLiteral("Arial"), 9))
{
    // Before anything below makes a reader ask for the panel: the answer is kept for its life.
    NutrientPanelAccessible::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void CElements::SetTotals(const Nutrients &values)
{
    m_totals = values;
    m_previewMode = PreviewNone;
    describe();
    update();
}

void CElements::SetAddPreview(const Nutrients &values)
{
    m_addPreview = values;
    m_previewMode = PreviewAdd;
    describe();
    update();
}

void CElements::SetRemovePreview(const Nutrients &values)
{
    m_removePreview = values;
    m_previewMode = PreviewRemove;
    describe();
    update();
}

void CElements::EndPreview()
{
    m_previewMode = PreviewNone;
    describe();
    update();
}

void CElements::SetGoals(const NutrientGoals &goals)
{
    m_goals = goals;
    describe();
    update();
}

QString CElements::spokenRow(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count)
        return {};
    const QString progress = progressText(nutrient);
    QString row = CoreText::nutrientName(nutrient) + QStringLiteral(": ") +
        (progress.isEmpty() ? totalText(nutrient).trimmed() : progress);
    if (const QString preview = previewText(nutrient); !preview.isEmpty())
        row += QStringLiteral(" (%1)").arg(preview);
    return row;
}

QRect CElements::rowRect(int nutrient) const
{
    const int rowHeight = height() / Nutrient::Count;
    return QRect(0, rowHeight * NutrientText::ScreenRow(nutrient), width(), rowHeight);
}

void CElements::describe()
{
    QStringList rows(Nutrient::Count);
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient)
        rows[NutrientText::ScreenRow(nutrient)] = spokenRow(nutrient);
    setAccessibleDescription(rows.join(QStringLiteral("; ")));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CElements::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The labels are the window's language.
    if (event->type() == QEvent::LanguageChange)
        describe();
}

QString CElements::totalText(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count)
        return {};
    return ShownNumber::text(NutrientText::Total(nutrient, m_totals[nutrient]));
}

QString CElements::previewText(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count)
        return {};
    switch (m_previewMode) {
    case PreviewRemove:
        return ShownNumber::text(NutrientText::FormatDelta("-", m_removePreview[nutrient]));
    case PreviewAdd:
        return ShownNumber::text(NutrientText::FormatDelta("+", m_addPreview[nutrient]));
    case PreviewNone:
        break;
    }
    return {};
}

QString CElements::progressText(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count || !m_goals.hasGoal(nutrient))
        return {};
    QString text =
        tr("%1 of %2").arg(figureOrZero(m_totals[nutrient]), figureOrZero(m_goals.goal(nutrient)));
    if (const std::string_view unit = NutrientText::Unit(nutrient); !unit.empty())
        text += QLatin1Char(' ') + Text8::toQString(unit);
    return text;
}

double CElements::previewChange(int nutrient) const
{
    switch (m_previewMode) {
    case PreviewRemove:
        return -double(m_removePreview[nutrient]);
    case PreviewAdd:
        return m_addPreview[nutrient];
    case PreviewNone:
        break;
    }
    return 0.0;
}

void CElements::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    for (int k = 0; k < Nutrient::Count; ++k)
        drawNutrient(painter, k, rowRect(k));
}

void CElements::drawNutrient(QPainter &painter, int nutrient, const QRect &row) const
{
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    const qreal textTop = row.top() + 14;

    painter.setFont(m_labelFont);
    painter.drawText(
        QRectF(row.left(), row.top(), TextWidth, TextWidth),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
        QCoreApplication::translate("NutrientText", NutrientText::Label(nutrient).data()));

    const qreal totalCentre = row.left() + row.width() * 0.5 - 10;
    const QString preview = previewText(nutrient);
    const qreal previewRight = row.left() + row.width() - 3;
    if (m_goals.hasGoal(nutrient)) {
        drawGoalBar(painter, nutrient, row);
        // Against the goal where that fits left of the preview, else the total alone.
        const qreal right = preview.isEmpty()
            ? previewRight
            : previewRight - QFontMetricsF(m_previewFont).horizontalAdvance(preview) - 6;
        const QString progress = progressText(nutrient);
        const qreal width = QFontMetricsF(m_totalFont).horizontalAdvance(progress);
        const qreal left =
            std::min(std::max(totalCentre - width / 2, qreal(row.left())), right - width);
        if (left >= row.left()) {
            painter.save();
            if (m_goals.progress(nutrient, m_totals[nutrient]).exceeded)
                painter.setPen(QColor::fromRgba(SkinColors::GoalExceeded));
            painter.setFont(m_totalFont);
            painter.drawText(QRectF(left, textTop, TextWidth, TextWidth),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, progress);
            painter.restore();
        } else {
            painter.setFont(m_totalFont);
            painter.drawText(QRectF(totalCentre - TextWidth / 2, textTop, TextWidth, TextWidth),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                             totalText(nutrient));
        }
    } else {
        painter.setFont(m_totalFont);
        painter.drawText(QRectF(totalCentre - TextWidth / 2, textTop, TextWidth, TextWidth),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, totalText(nutrient));
    }

    if (preview.isEmpty())
        return;
    painter.setFont(m_previewFont);
    painter.drawText(QRectF(previewRight - TextWidth, textTop, TextWidth, TextWidth),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, preview);
}

void CElements::drawGoalBar(QPainter &painter, int nutrient, const QRect &row) const
{
    const double total = m_totals[nutrient];
    const NutrientGoals::Progress now = m_goals.progress(nutrient, total);
    const NutrientGoals::Progress after = m_goals.preview(nutrient, total, previewChange(nutrient));
    const QRectF track(row.left() + 1, row.top() + GoalBarTop, row.width() - 4, GoalBarHeight);
    const auto span = [&](double from, double to) {
        from = std::clamp(from, 0.0, 1.0);
        to = std::clamp(to, 0.0, 1.0);
        return QRectF(track.left() + track.width() * from, track.top(), track.width() * (to - from),
                      track.height());
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(track, QColor::fromRgba(SkinColors::GoalTrack));
    // What stays solid; the part the preview adds (in the colour it would give) or takes away
    // (in today's) lighter.
    const double kept = std::min(now.fraction, after.fraction);
    painter.fillRect(span(0, kept), goalColour(now));
    QColor change = goalColour(after.fraction > now.fraction ? after : now);
    change.setAlphaF(0.5);
    painter.fillRect(span(kept, std::max(now.fraction, after.fraction)), change);
    painter.restore();
}

#include "moc_CElements.cpp"
