// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/NutrientBarDelegate.h"

#include "skin/SkinColors.h"

#include <QPainter>
#include <algorithm>

void NutrientBarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const QVariant share = index.data(ShareRole);
    if (share.isValid()) {
        const QRectF track = QRectF(option.rect).adjusted(3, 3, -3, -3);
        const double filled = std::clamp(share.toDouble(), 0.0, 1.0);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor::fromRgba(SkinColors::TableGrid));
        painter->drawRoundedRect(track, 3, 3);
        // Light enough that the dark text stays readable over it.
        QColor bar = QColor::fromRgba(share.toDouble() >= 1.0 ? SkinColors::GoalReached
                                                              : SkinColors::LightBlue);
        bar.setAlpha(150);
        painter->setBrush(bar);
        painter->drawRoundedRect(
            QRectF(track.topLeft(), QSizeF(track.width() * filled, track.height())), 3, 3);
        painter->restore();
    }
    QStyleOptionViewItem text = option;
    text.displayAlignment = Qt::AlignCenter;
    QStyledItemDelegate::paint(painter, text, index);
}

#include "moc_NutrientBarDelegate.cpp"
