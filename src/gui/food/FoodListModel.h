// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QString>
#include <QStringList>

class FoodDatabase;
class FoodFilter;

// The food list's rows, answered on request from the decoded buffer: no row is stored.
class FoodListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    FoodListModel(const FoodDatabase &database, const FoodFilter &filter,
                  QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The filter's rows changed: views drop what they showed, the selection with it.
    void reload();
    // The user's foods of these names are recipes: marked as such.
    void setRecipeNames(const QStringList &names);
    bool isRecipe(int record) const;

private:
    const FoodDatabase &m_database;
    const FoodFilter &m_filter;
    QSet<QString> m_recipes;
};
