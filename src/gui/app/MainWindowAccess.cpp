// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowAccess.h"

#include "app/CCorvaloDlg.h"
#include "app/SettingsPage.h"
#include "calendar/CTimCalentar.h"
#include "controls/CHoverButton.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "food/FoodListActions.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"

#include <QCoreApplication>

namespace MainWindowAccess {

namespace {

struct Name
{
    int id;
    const char *text;
};

constexpr Name kNames[] = {
    {DialogLayout::WeightBox, QT_TRANSLATE_NOOP("MainWindow", "Weight")},
    {DialogLayout::SearchBox, QT_TRANSLATE_NOOP("MainWindow", "Search foods")},
    {DialogLayout::UnitBox, QT_TRANSLATE_NOOP("MainWindow", "Unit")},
    {DialogLayout::AmountBox, QT_TRANSLATE_NOOP("MainWindow", "Amount")},
    {DialogLayout::AddButton, QT_TRANSLATE_NOOP("MainWindow", "Add")},
    {DialogLayout::NutrientPanel, QT_TRANSLATE_NOOP("MainWindow", "Nutrients of the day")},
    {DialogLayout::DeleteSelectedButton, QT_TRANSLATE_NOOP("MainWindow", "Delete Selected")},
    {DialogLayout::ClearListButton, QT_TRANSLATE_NOOP("MainWindow", "Clear List")},
    {DialogLayout::CloseButton, QT_TRANSLATE_NOOP("MainWindow", "Close")},
    {DialogLayout::FoodButton, QT_TRANSLATE_NOOP("MainWindow", "Food")},
    {DialogLayout::ChartsButton, QT_TRANSLATE_NOOP("MainWindow", "Charts")},
    {DialogLayout::DiaryButton, QT_TRANSLATE_NOOP("MainWindow", "Diary")},
    {DialogLayout::OvulationButton, QT_TRANSLATE_NOOP("MainWindow", "Nutrients")},
    {DialogLayout::SettingsButton, QT_TRANSLATE_NOOP("MainWindow", "Settings")},
    {DialogLayout::CommunityButton, QT_TRANSLATE_NOOP("MainWindow", "Community")},
};

// The Food page as its work flows (day, food, portion, the day's list), then the weight, the
// diary, the window's buttons and the pages that have no place on the Food page's path.
constexpr int kTabOrder[] = {
    DialogLayout::DayStrip,         DialogLayout::SearchBox,
    DialogLayout::FoodList,         DialogLayout::UnitBox,
    DialogLayout::AmountBox,        DialogLayout::AddButton,
    DialogLayout::MealList,         DialogLayout::DeleteSelectedButton,
    DialogLayout::ClearListButton,  DialogLayout::WeightBox,
    DialogLayout::NutrientPanel,    PageTable::DiaryPageWindow,
    DialogLayout::FoodButton,       DialogLayout::ChartsButton,
    DialogLayout::DiaryButton,      DialogLayout::OvulationButton,
    DialogLayout::SettingsButton,   DialogLayout::CommunityButton,
    DialogLayout::CloseButton,      PageTable::ChartsPageWindow,
    PageTable::NutrientsPageWindow,
};

// The widgets that take the focus inside `control` (itself included), in the focus chain's order:
// a control's own parts (the strip's arrows, a list's bars) stay right behind it.
QList<QWidget *> focusableIn(QWidget *control)
{
    QList<QWidget *> widgets;
    if (!control)
        return widgets;
    QWidget *window = control->window();
    for (QWidget *widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() != Qt::NoFocus &&
            (widget == control || control->isAncestorOf(widget)))
            widgets.append(widget);
    }
    return widgets;
}

} // namespace

void setUp(CCorvaloDlg &window)
{
    for (const Name &name : kNames)
        if (QWidget *control = window.control(name.id))
            control->setAccessibleName(QCoreApplication::translate("MainWindow", name.text));

    // One order, whichever pages are built yet and in whatever order they were built.
    QList<QWidget *> order;
    // The strip's arrow buttons in reading order, left one first.
    CTimCalentar *strip = window.dayStrip();
    order << strip << strip->prevButton() << strip->nextButton();
    for (const int id : kTabOrder) {
        // "+ New" stands left of the search box and Quick Add right of Clear List: each is
        // reached where it is seen.
        if (id == DialogLayout::SearchBox && window.foodActions())
            order << window.foodActions()->newFoodButton();
        if (id != DialogLayout::DayStrip)
            order += focusableIn(window.control(id));
        // The switch of the list's order is seen beside the search box, yet from there Tab leads
        // to the list: the main path stays short.
        if (id == DialogLayout::ClearListButton && window.foodActions()) {
            if (auto *orderSwitch =
                    window.findChild<QWidget *>(QStringLiteral("searchOrderButton")))
                order << orderSwitch;
            order << window.foodActions()->quickAddButton();
            if (auto *activity = window.findChild<QWidget *>(QStringLiteral("activityButton")))
                order << activity;
        }
        if (id == DialogLayout::CloseButton)
            order += focusableIn(window.noticeBar());
    }
    if (auto *settings = static_cast<SettingsPage *>(window.control(PageTable::SettingsPageWindow)))
        order += settings->tabOrder();

    QWidget *previous = &window;
    // The chain starts behind the window itself; Qt places only widgets that take the focus.
    const Qt::FocusPolicy ownPolicy = window.focusPolicy();
    window.setFocusPolicy(Qt::TabFocus);
    for (QWidget *widget : order) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    window.setFocusPolicy(ownPolicy);
}

} // namespace MainWindowAccess
