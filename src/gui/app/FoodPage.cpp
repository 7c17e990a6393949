// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FoodPage.h"

#include "activity/ActivityList.h"
#include "app/FileNotices.h"
#include "app/RecipeActions.h"
#include "app/WeightField.h"
#include "controls/CHoverButton.h"
#include "controls/CNoticeBar.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodListActions.h"
#include "food/FoodListView.h"
#include "food/FoodSearchController.h"
#include "food/PortionEntry.h"
#include "food/SearchOrderSwitch.h"
#include "layout/DialogLayout.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "meals/MealEntry.h"
#include "platform/AppSettings.h"
#include "platform/CoreText.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"
#include "store/DayStore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

FoodPage::FoodPage(Controls controls, Diary diary, const NutrientGoals &goals,
                   bool bestMatchesFirst, QWidget *window)
    : QObject(window), m_controls(controls), m_goals(goals),
      m_addBurned(AppSettings::readAddBurnedToGoal())
{
    // The page's own copy: a change the settings file refused still counts until the end.
    m_controls.panel->SetGoals(goals);
    m_controls.meals->setPanel(m_controls.panel);
    m_controls.meals->setStore(&diary.store);
    connect(m_controls.meals, &CMealsList::saved, diary.notices, &FileNotices::reportSave);
    // Delete Selected removes the ticked rows only: a row merely selected is not one of them.
    connect(m_controls.deleteSelected, &QAbstractButton::clicked, this,
            [meals = m_controls.meals, notice = diary.notice] {
                const std::vector<MealEntry> &rows = meals->entries();
                const bool ticked = std::any_of(rows.begin(), rows.end(),
                                                [](const MealEntry &row) { return row.ticked; });
                if (!ticked && !rows.empty())
                    notice->showNotice(QStringLiteral("delete-how"),
                                       tr("Nothing deleted: tick the meals to delete (click their "
                                          "boxes or press Space), then press Delete Selected."));
            });
    connect(m_controls.meals, &CMealsList::opened, diary.notices, &FileNotices::reportOpen);
    connect(m_controls.meals, &CMealsList::amountRefused, this,
            [notice = diary.notice](const QString &typed) {
                const TypedNumber number = TypedNumber::read(Text8::fromQString(typed));
                const QString shown = typed.trimmed();
                notice->showNotice(
                    QStringLiteral("amount"),
                    number.kind == TypedNumber::Kind::NotANumber
                        ? tr("Not changed: %1").arg(CoreText::numberProblem(number, shown))
                        : number.value > MaxTypedAmount
                        ? tr("Not changed: \u201c%1\u201d is more than any amount (at most 100000)")
                              .arg(shown)
                        : tr("Not changed: \u201c%1\u201d is no amount above zero").arg(shown));
            });
    connect(m_controls.meals, &CMealsList::copied, this, &FoodPage::copied);

    m_weight = new WeightField(m_controls.weightBox, diary.store, diary.notice, this);
    connect(m_weight, &WeightField::saved, diary.notices, &FileNotices::reportSave);

    m_controls.addButton->setEnabled(false);
    m_search =
        new FoodSearchController(diary.foods, m_controls.searchBox, m_controls.foodList, this);
    m_search->setBestMatchesFirst(bestMatchesFirst);
    m_order = new SearchOrderSwitch(m_controls.searchBox, window);
    m_order->setBestMatchesFirst(bestMatchesFirst);
    connect(m_order, &SearchOrderSwitch::bestMatchesFirstChosen, this, [this](bool on) {
        m_search->setBestMatchesFirst(on);
        emit bestMatchesFirstChosen(on);
    });
    m_portion = new PortionEntry(diary.foods,
                                 {m_controls.amountBox, m_controls.unitBox, m_controls.addButton,
                                  m_controls.panel, m_controls.meals},
                                 this);
    connect(m_search, &FoodSearchController::foodRowChosen, this, &FoodPage::SelectFood);
    connect(m_search, &FoodSearchController::filterRecomputed, m_portion,
            &PortionEntry::ClearCurrentFood);
    connect(m_search, &FoodSearchController::listFocusLost, m_controls.panel,
            &CElements::EndPreview);
    // A merge after the hand-over replaces the records a current food points into.
    connect(diary.loader, &FoodDatabaseLoader::loaded, m_portion, &PortionEntry::ClearCurrentFood);
    m_search->setLoader(diary.loader);
    // Enter in the amount box adds the portion.
    connect(m_controls.amountBox, &QLineEdit::returnPressed, m_controls.addButton, [this] {
        if (m_controls.addButton->isEnabled())
            m_controls.addButton->click();
    });
    connectList();

    // Left of the search label, and right of Clear List in the bottom row.
    m_actions = new FoodListActions(
        {&diary.foods, diary.loader, m_search, m_controls.foodList, m_portion, m_controls.meals},
        diary.store.OwnFoodsFile(), window, QPoint(181, 107),
        QPoint(DialogLayout::WindowWidth - 9, 463));
    connect(m_actions, &FoodListActions::saved, diary.notices, &FileNotices::reportSave);
    connect(m_actions, &FoodListActions::opened, diary.notices, &FileNotices::reportOpen);
    m_actions->setRecipesFile(diary.store.RecipesFile());
    connectRecipes(diary.loader, diary.notice);
    connectActivities(diary);
    new RecipeActions({m_controls.meals, &diary.foods, diary.loader, m_actions, &diary.store,
                       diary.notices, diary.notice},
                      this);
}

void FoodPage::connectRecipes(FoodDatabaseLoader *loader, CNoticeBar *notice)
{
    // Broken lines of the recipe file are said as the own foods' are.
    const auto tell = [notice](const QString &skipped) {
        if (!skipped.isEmpty())
            notice->showNotice(QStringLiteral("recipes"), skipped);
    };
    m_search->setRecipeNames(loader->recipeNames());
    connect(loader, &FoodDatabaseLoader::recipesRead, this,
            [this, loader, tell](const FileIo::Result &, const QString &skipped) {
                m_search->setRecipeNames(loader->recipeNames());
                tell(skipped);
            });
    connect(m_actions, &FoodListActions::recipesRead, this, tell);
}

void FoodPage::connectActivities(const Diary &diary)
{
    // Left in the bottom row, before Delete Selected.
    using namespace DialogLayout;
    const int left = pixelRect(MealList).x + 1;
    m_activities = new ActivityList(diary.store, diary.notice, m_controls.meals,
                                    QPoint(left, pixelRect(DeleteSelectedButton).y),
                                    pixelRect(DeleteSelectedButton).x - 4 - left);
    connect(m_activities, &ActivityList::saved, diary.notices, &FileNotices::reportSave);
    connect(m_activities, &ActivityList::opened, diary.notices, &FileNotices::reportOpen);
    connect(m_activities, &ActivityList::changed, this, &FoodPage::showGoals);
}

void FoodPage::showGoals()
{
    m_controls.panel->SetGoals(m_addBurned ? m_goals.withBurned(m_activities->burned()) : m_goals);
}

void FoodPage::connectList()
{
    CMealsList *meals = m_controls.meals;
    CElements *panel = m_controls.panel;
    connect(meals, &CMealsList::mealSelectionChanged, this, [meals, panel] {
        Nutrients contribution {};
        if (meals->GetSelectedContribution(contribution))
            panel->SetRemovePreview(contribution);
        meals->viewport()->update();
    });
    connect(meals, &CMealsList::focusLost, this, [meals, panel] {
        meals->clearSelection();
        meals->setCurrentRow(-1);
        meals->viewport()->update();
        panel->EndPreview();
    });
    connect(m_controls.deleteSelected, &QAbstractButton::clicked, meals,
            [meals] { meals->SaveMeals(true); });
    connect(m_controls.clearList, &QAbstractButton::clicked, meals,
            [meals] { meals->ClearMeals(); });
}

void FoodPage::show(const DayFiles::LocalDate &day)
{
    m_controls.meals->LoadMeals(day);
    m_weight->show(day);
    m_activities->show(day);
}

void FoodPage::setGoals(const NutrientGoals &goals)
{
    m_goals = goals;
    showGoals();
}

void FoodPage::setAddBurned(bool on)
{
    m_addBurned = on;
    showGoals();
}

void FoodPage::setBestMatchesFirst(bool on)
{
    m_search->setBestMatchesFirst(on);
    m_order->setBestMatchesFirst(on);
}

void FoodPage::SelectFood(int row)
{
    m_portion->SelectFood(m_search->recordForRow(row));
}

#include "moc_FoodPage.cpp"
