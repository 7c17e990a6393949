// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "goals/NutrientGoals.h"
#include "platform/FileIo.h"

#include <QObject>

class ActivityList;
class CElements;
class CHoverButton;
class CMealsList;
class CNoticeBar;
class DayStore;
class FileNotices;
class FoodDatabase;
class FoodDatabaseLoader;
class FoodListActions;
class FoodListView;
class FoodSearchController;
class PortionEntry;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;
class SearchOrderSwitch;
class WeightField;

// The Food page's wiring: the search and its list, the portion and Add, the day's list with its
// nutrient panel and buttons, the weight box, and the own-food actions. The window builds the
// controls in their places; this object makes them work together.
class FoodPage : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QLineEdit *weightBox;
        CMealsList *meals;
        QLineEdit *searchBox;
        FoodListView *foodList;
        QLineEdit *amountBox;
        CElements *panel;
        QComboBox *unitBox;
        CHoverButton *addButton;
        QAbstractButton *deleteSelected;
        QAbstractButton *clearList;
    };
    struct Diary
    {
        FoodDatabase &foods;
        FoodDatabaseLoader *loader;
        DayStore &store;
        FileNotices *notices;
        CNoticeBar *notice;
    };

    FoodPage(Controls controls, Diary diary, const NutrientGoals &goals, bool bestMatchesFirst,
             QWidget *window);

    // The day's list and weight.
    void show(const DayFiles::LocalDate &day);
    void setGoals(const NutrientGoals &goals);
    // The calorie goal shown grows by what the day's activities burned.
    void setAddBurned(bool on);
    void setBestMatchesFirst(bool on);
    // The food of a food list row becomes the current food.
    void SelectFood(int row);

    CMealsList *meals() const { return m_controls.meals; }
    WeightField *weight() const { return m_weight; }
    ActivityList *activities() const { return m_activities; }
    PortionEntry *portion() const { return m_portion; }
    FoodListActions *actions() const { return m_actions; }

signals:
    // Meals were copied to another day: the strip's markers and the chart follow.
    void copied();
    // The order was switched beside the search box.
    void bestMatchesFirstChosen(bool on);

private:
    void connectList();
    void connectRecipes(FoodDatabaseLoader *loader, CNoticeBar *notice);
    void connectActivities(const Diary &diary);
    void showGoals();

    Controls m_controls;
    FoodSearchController *m_search = nullptr;
    SearchOrderSwitch *m_order = nullptr;
    PortionEntry *m_portion = nullptr;
    FoodListActions *m_actions = nullptr;
    WeightField *m_weight = nullptr;
    ActivityList *m_activities = nullptr;
    NutrientGoals m_goals;
    bool m_addBurned = false;
};
