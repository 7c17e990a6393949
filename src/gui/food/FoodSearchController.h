// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFilter.h"

#include <QObject>
#include <QStringList>

class FoodDatabase;
class FoodDatabaseLoader;
class FoodListModel;
class FoodListView;
class QLineEdit;

// Ties the search box and the food list to the food database: every text change runs the
// filter, and the list shows its rows. The database must outlive the controller; the widgets
// stay the caller's.
class FoodSearchController : public QObject
{
    Q_OBJECT

public:
    FoodSearchController(const FoodDatabase &database, QLineEdit *searchBox, FoodListView *list,
                         QObject *parent = nullptr);

    // After the database has been loaded: every record listed, nothing filtered.
    void resetAfterLoad();
    // The database is still being loaded by `loader`: the list is reset when it is there, and a
    // search typed before then waits for it.
    void setLoader(FoodDatabaseLoader *loader);
    // Best matches first instead of alphabetical; a filtered list is matched and ordered anew.
    void setBestMatchesFirst(bool on);
    // The database changed under the list: the search box's text is matched anew.
    void refilter();
    // The row that shows the record; when the search hides it, the search is cleared so that
    // every record is listed. -1 for a record the database does not hold.
    int revealRecord(int record);

    // The record index of a list row; -1 for a row outside the list.
    int recordForRow(int row) const { return m_filter.recordForRow(row); }
    const FoodFilter &filter() const { return m_filter; }
    FoodListModel *model() const { return m_model; }
    // The user's foods of these names are recipes (FoodListModel::setRecipeNames).
    void setRecipeNames(const QStringList &names);

signals:
    // A row was clicked, or reached with Up or Down: its food becomes the current food.
    void foodRowChosen(int row);
    // The list was filtered anew: no food is current any more.
    void filterRecomputed();
    // The list lost the keyboard focus.
    void listFocusLost();

private:
    void searchTextChanged(const QString &text);
    void showRecomputed();

    FoodFilter m_filter;
    FoodListModel *m_model = nullptr;
    FoodListView *m_list = nullptr;
    QLineEdit *m_searchBox = nullptr;
    FoodDatabaseLoader *m_loader = nullptr;
};
