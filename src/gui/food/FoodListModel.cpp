// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodListModel.h"

#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {

constexpr int MarkSide = 12;

// A small rounded plate in the given colours, drawn at twice the size for sharp edges at any
// scale, with `draw` painting the figure on it in the plate's own coordinates.
QPixmap plateMark(QRgb rim, QRgb plate, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(MarkSide * 2, MarkSide * 2);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(rim), 1.0));
    painter.setBrush(QColor::fromRgba(plate));
    painter.drawRoundedRect(QRectF(0.5, 0.5, MarkSide - 1, MarkSide - 1), 3, 3);
    painter.setPen(Qt::NoPen);
    draw(painter);
    return pixmap;
}

// The mark of the user's own foods: a person on a small green plate, legible on white and on
// the selection's blue.
QPixmap ownFoodMark()
{
    static const QPixmap mark =
        plateMark(SkinColors::GoRim, SkinColors::GoBottom, [](QPainter &painter) {
            painter.setBrush(QColor::fromRgba(SkinColors::White));
            painter.drawEllipse(QPointF(MarkSide / 2.0, 4.2), 2.0, 2.0);
            painter.drawChord(QRectF(2.3, 7.0, MarkSide - 4.6, 7.0), 0, 180 * 16);
        });
    return mark;
}

// The mark of the user's recipes: a lidded pot on a small amber plate, unlike the own foods'
// green one at a glance, legible on white and on the selection's blue.
QPixmap recipeMark()
{
    static const QPixmap mark =
        plateMark(SkinColors::NoticeEdge, SkinColors::NoticePlate, [](QPainter &painter) {
            painter.setBrush(QColor::fromRgba(SkinColors::NoticeText));
            // The pot, its lid and the lid's knob.
            painter.drawRoundedRect(QRectF(2.5, 5.5, MarkSide - 5.0, 4.5), 1.2, 1.2);
            painter.drawRect(QRectF(2.0, 4.0, MarkSide - 4.0, 1.0));
            painter.drawEllipse(QPointF(MarkSide / 2.0, 3.0), 1.0, 1.0);
        });
    return mark;
}

} // namespace

FoodListModel::FoodListModel(const FoodDatabase &database, const FoodFilter &filter,
                             QObject *parent)
    : QAbstractListModel(parent), m_database(database), m_filter(filter)
{
}

int FoodListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_filter.rowCount();
}

QVariant FoodListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const int record = m_filter.recordForRow(index.row());
        if (record < 0)
            return {};
        return Text8::toQString(m_database.name(record));
    }
    // The tooltip tells apart long names that the column cuts at the same place.
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        const int record = m_filter.recordForRow(index.row());
        if (record < 0)
            return {};
        QString name = Text8::toQString(m_database.name(record));
        if (isRecipe(record))
            name = tr("%1 (recipe)").arg(name);
        else if (m_database.isUserFood(record))
            name = tr("%1 (own food)").arg(name);
        return m_filter.isCloseMatch(index.row()) ? tr("%1 (close match)").arg(name) : name;
    }
    // Close matches look set apart from the foods the words name as typed.
    case Qt::FontRole: {
        if (!m_filter.isCloseMatch(index.row()))
            return {};
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    case Qt::ForegroundRole:
        if (!m_filter.isCloseMatch(index.row()))
            return {};
        return QColor::fromRgba(SkinColors::CloseMatchText);
    case Qt::DecorationRole: {
        const int record = m_filter.recordForRow(index.row());
        if (record < 0 || !m_database.isUserFood(record))
            return {};
        return isRecipe(record) ? recipeMark() : ownFoodMark();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

void FoodListModel::reload()
{
    beginResetModel();
    endResetModel();
}

void FoodListModel::setRecipeNames(const QStringList &names)
{
    m_recipes = QSet<QString>(names.begin(), names.end());
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

bool FoodListModel::isRecipe(int record) const
{
    return !m_recipes.isEmpty() && m_database.isUserFood(record) &&
        m_recipes.contains(Text8::toQString(m_database.name(record)));
}

#include "moc_FoodListModel.cpp"
