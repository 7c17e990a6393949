#include "app/MainWindowAccess.h"

#include "app/CCorvaloDlg.h"
#include "app/SettingsPage.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "controls/CHoverButton.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    {DialogLayout::OvulationButton, QT_TRANSLATE_NOOP("MainWindow", "Ovulation")},
    {DialogLayout::SettingsButton, QT_TRANSLATE_NOOP("MainWindow", "Settings")},
    {DialogLayout::CommunityButton, QT_TRANSLATE_NOOP("MainWindow", "Community")},
};

// The Food page as its work flows (day, food, portion, the day's list), then the weight, the
// diary, the window's buttons and the Settings page. Hidden controls are passed over.
constexpr int kTabOrder[] = {
    DialogLayout::SearchBox,
    DialogLayout::FoodList,
    DialogLayout::UnitBox,
    DialogLayout::AmountBox,
    DialogLayout::AddButton,
    DialogLayout::MealList,
    DialogLayout::DeleteSelectedButton,
    DialogLayout::ClearListButton,
    DialogLayout::WeightBox,
    PageTable::DiaryPageWindow,
    DialogLayout::FoodButton,
    DialogLayout::ChartsButton,
    DialogLayout::DiaryButton,
    DialogLayout::OvulationButton,
    DialogLayout::SettingsButton,
    DialogLayout::CommunityButton,
    DialogLayout::CloseButton,
};

} // namespace

void setUp(CCorvaloDlg &window)
{
    for (const Name &name : kNames)
        if (QWidget *control = window.control(name.id))
            control->setAccessibleName(QCoreApplication::translate("MainWindow", name.text));

    CTimCalentar *strip = window.dayStrip();
    QWidget *previous = strip->nextButton();
    QWidget::setTabOrder(strip, strip->prevButton());
    QWidget::setTabOrder(strip->prevButton(), strip->nextButton());
    for (const int id : kTabOrder) {
        QWidget *control = window.control(id);
        if (!control)
            continue;
        if (id == PageTable::DiaryPageWindow)
            control = static_cast<CDiary *>(control)->editor();
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    if (auto *settings =
            static_cast<SettingsPage *>(window.control(PageTable::SettingsPageWindow))) {
        for (QWidget *control : settings->tabOrder()) {
            QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

void addOnEnter(CCorvaloDlg &window)
{
    auto *amountBox = static_cast<QLineEdit *>(window.control(DialogLayout::AmountBox));
    auto *add = static_cast<QAbstractButton *>(window.control(DialogLayout::AddButton));
    QObject::connect(amountBox, &QLineEdit::returnPressed, add, [add] {
        if (add->isEnabled())
            add->click();
    });
}

} // namespace MainWindowAccess
