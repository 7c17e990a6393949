// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodSearchController.h"

#include "food/FoodDatabaseResource.h"
#include "food/FoodListModel.h"
#include "food/FoodListView.h"
#include "platform/Text8.h"

#include <QLineEdit>

FoodSearchController::FoodSearchController(const FoodDatabase &database, QLineEdit *searchBox,
                                           FoodListView *list, QObject *parent)
    : QObject(parent), m_filter(database), m_model(new FoodListModel(database, m_filter, this)),
      m_list(list), m_searchBox(searchBox)
{
    m_list->setModel(m_model);
    connect(searchBox, &QLineEdit::textChanged, this, &FoodSearchController::searchTextChanged);
    connect(m_list, &FoodListView::rowChosen, this, &FoodSearchController::foodRowChosen);
    connect(m_list, &FoodListView::focusLost, this, &FoodSearchController::listFocusLost);
}

void FoodSearchController::resetAfterLoad()
{
    m_filter.showAll();
    m_model->reload();
    m_list->scrollToTop();
}

void FoodSearchController::setLoader(FoodDatabaseLoader *loader)
{
    m_loader = loader;
    connect(loader, &FoodDatabaseLoader::loaded, this, &FoodSearchController::resetAfterLoad);
    // A list made after the hand-over shows it at once.
    if (loader->isFinished())
        resetAfterLoad();
}

void FoodSearchController::setRecipeNames(const QStringList &names)
{
    m_model->setRecipeNames(names);
}

void FoodSearchController::setBestMatchesFirst(bool on)
{
    if (m_filter.setBestMatchesFirst(on) == FoodFilter::Change::Recomputed)
        showRecomputed();
}

void FoodSearchController::refilter()
{
    // Forgetting the previous text makes the same text filter anew.
    m_filter.setSearchText({}, 0);
    m_filter.showAll();
    m_filter.setTypedText(m_searchBox->text().toStdString());
    m_model->reload();
    emit filterRecomputed();
}

int FoodSearchController::revealRecord(int record)
{
    if (record < 0)
        return -1;
    if (!m_filter.isFiltering())
        return record;
    const std::vector<std::int32_t> &rows = m_filter.filteredRecords();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row] == record)
            return int(row);
    m_searchBox->clear();
    return m_filter.isFiltering() ? -1 : record;
}

void FoodSearchController::showRecomputed()
{
    m_model->reload();
    m_list->scrollToTop();
    emit filterRecomputed();
}

void FoodSearchController::searchTextChanged(const QString &text)
{
    // Typed before the database is there: the search runs on the whole database, a moment later.
    if (m_loader && !m_loader->isFinished())
        m_loader->finish();
    const bool wasFiltering = m_filter.isFiltering();
    switch (m_filter.setTypedText(text.toStdString())) {
    case FoodFilter::Change::ShowAll:
        // Already showing everything: keep the highlight on the current food.
        if (wasFiltering)
            resetAfterLoad();
        break;
    case FoodFilter::Change::Recomputed:
        showRecomputed();
        break;
    case FoodFilter::Change::Unchanged:
        break;
    }
}

#include "moc_FoodSearchController.cpp"
