// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// A target cell: a bar for the share of the target reached, green once reached, under the text
// "91 % of 90 mg".
class NutrientBarDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The share of the target (1.0 reached), as a double.
    static constexpr int ShareRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
