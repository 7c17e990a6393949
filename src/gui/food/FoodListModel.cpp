#include "food/FoodListModel.h"

#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "platform/Text8.h"

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
    // The tooltip tells apart long names that the column cuts at the same place.
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const int record = m_filter.recordForRow(index.row());
        if (record < 0)
            return {};
        return Text8::toQString(m_database.name(record));
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
