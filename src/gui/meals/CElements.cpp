#include "meals/CElements.h"

#include "meals/NutrientText.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"

#include <QPainter>
#include <QStringList>

namespace {

constexpr qreal TextWidth = 1000; // wide enough that aligned texts are never cut

} // namespace

CElements::CElements(QWidget *parent)
    : QWidget(parent), m_labelFont(skinFont(QStringLiteral("Arial"), 10, QFont::Bold)),
      m_totalFont(skinFont(QStringLiteral("Arial"), 10)),
      m_previewFont(skinFont(QStringLiteral("Arial"), 9))
{
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

void CElements::describe()
{
    QStringList rows(Nutrient::Count);
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        QString row = Text8::toQString(NutrientText::Label(nutrient)) + QLatin1Char(' ') +
            totalText(nutrient).trimmed();
        if (const QString preview = previewText(nutrient); !preview.isEmpty())
            row += QStringLiteral(" (%1)").arg(preview);
        rows[NutrientText::ScreenRow(nutrient)] = row;
    }
    setAccessibleDescription(rows.join(QStringLiteral("; ")));
}

QString CElements::totalText(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count)
        return {};
    return Text8::toQString(NutrientText::Total(nutrient, m_totals[nutrient]));
}

QString CElements::previewText(int nutrient) const
{
    if (nutrient < 0 || nutrient >= Nutrient::Count)
        return {};
    switch (m_previewMode) {
    case PreviewRemove:
        return Text8::toQString(NutrientText::FormatDelta("-", m_removePreview[nutrient]));
    case PreviewAdd:
        return Text8::toQString(NutrientText::FormatDelta("+", m_addPreview[nutrient]));
    case PreviewNone:
        break;
    }
    return {};
}

void CElements::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const int rowHeight = height() / Nutrient::Count;
    for (int k = 0; k < Nutrient::Count; ++k) {
        const QRect row(0, rowHeight * NutrientText::ScreenRow(k), width(), rowHeight);
        drawNutrient(painter, k, row);
    }
}

void CElements::drawNutrient(QPainter &painter, int nutrient, const QRect &row) const
{
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    const qreal textTop = row.top() + 14;

    painter.setFont(m_labelFont);
    painter.drawText(QRectF(row.left(), row.top(), TextWidth, TextWidth),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     Text8::toQString(NutrientText::Label(nutrient)));

    const qreal totalCentre = row.left() + row.width() * 0.5 - 10;
    painter.setFont(m_totalFont);
    painter.drawText(QRectF(totalCentre - TextWidth / 2, textTop, TextWidth, TextWidth),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, totalText(nutrient));

    const QString preview = previewText(nutrient);
    if (preview.isEmpty())
        return;
    const qreal previewRight = row.left() + row.width() - 3;
    painter.setFont(m_previewFont);
    painter.drawText(QRectF(previewRight - TextWidth, textTop, TextWidth, TextWidth),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, preview);
}
