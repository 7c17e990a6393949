// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pages, each built when first needed and wired to the window: the Food page (with
// the offer to undo its changes), the chart, the diary, the Settings and the Nutrients pages.
#include "app/CCorvaloDlg.h"
#include "app/DiaryConnection.h"
#include "app/DiaryFolderGroup.h"
#include "app/ExportGroup.h"
#include "app/FileNotices.h"
#include "app/FoodPage.h"
#include "app/ImportAction.h"
#include "app/ReportAction.h"
#include "app/SettingsPage.h"
#include "app/SettingsWiring.h"
#include "app/UndoOffer.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "charts/CCharts.h"
#include "controls/CHoverButton.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodListActions.h"
#include "food/FoodListView.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "nutrition/NutrientsPage.h"
#include "platform/AppSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <filesystem>
#include <vector>

void CCorvaloDlg::wireFoodPage()
{
    using namespace DialogLayout;
    const FoodPage::Controls controls {
        m_parts.as<QLineEdit>(WeightBox),
        m_parts.as<CMealsList>(MealList),
        m_parts.as<QLineEdit>(SearchBox),
        m_parts.as<FoodListView>(FoodList),
        m_parts.as<QLineEdit>(AmountBox),
        m_parts.as<CElements>(NutrientPanel),
        m_parts.as<QComboBox>(UnitBox),
        m_parts.as<CHoverButton>(AddButton),
        m_parts.as<QAbstractButton>(DeleteSelectedButton),
        m_parts.as<QAbstractButton>(ClearListButton),
    };
    m_pages.food =
        new FoodPage(controls, {m_foods, m_foodLoader, m_store, m_files, m_notice},
                     m_pages.settings ? m_pages.settings->goals() : AppSettings::readGoals(),
                     m_pages.settings ? m_pages.settings->bestMatchesBox()->isChecked()
                                      : AppSettings::readBestMatchesFirst(),
                     this);
    connect(m_pages.food, &FoodPage::copied, this, &CCorvaloDlg::showCopied);
    m_undo = new UndoOffer(m_notice, this, [this](const std::vector<std::filesystem::path> &files) {
        // Own foods and recipes are read again; a day's file, or a conflict copy a merge had
        // removed, is shown again.
        bool days = false;
        for (const std::filesystem::path &file : files) {
            if (file == m_store.OwnFoodsFile() || file == m_store.RecipesFile()) {
                m_pages.food->actions()->ReloadOwnFoods();
            } else {
                m_store.Forget(file);
                days = true;
            }
        }
        if (days) {
            m_store.Rescan();
            LoadDay();
            showCopied();
        }
    });
    connect(m_pages.food->meals(), &CMealsList::undoable, m_undo, &UndoOffer::offer);
    connect(m_pages.food->actions(), &FoodListActions::undoable, m_undo, &UndoOffer::offer);
    SettingsWiring::connectFood(m_pages);
}

void CCorvaloDlg::createChartsPage()
{
    m_pages.charts = new CCharts(this);
    m_parts.addPage(PageTable::ChartsPageWindow, m_pages.charts);
    m_pages.charts->setStore(&m_store);
    m_pages.charts->setDays(m_dayStrip);
    m_pages.charts->SetCalorieGoal(AppSettings::readGoals().goal(Nutrient::Calories));
    m_pages.charts->SetAddBurnedToGoal(AppSettings::readAddBurnedToGoal());
    connect(m_pages.charts, &CCharts::dayOpened, this, [this](const DayFiles::LocalDate &day) {
        ShowDay(day);
        SwitchPage(PageTable::Food);
    });
    connect(m_pages.charts, &CCharts::reportRequested, this, [this] {
        ReportAction::open(this, m_store, *m_pages.nutrients, m_pages.charts->firstDay(),
                           m_pages.charts->dayCount());
    });
}

void CCorvaloDlg::createDiaryPage()
{
    m_pages.diary = new CDiary(this);
    m_parts.addPage(PageTable::DiaryPageWindow, m_pages.diary);
    m_pages.diary->setStore(&m_store);
    connect(m_pages.diary, &CDiary::saved, m_files, &FileNotices::reportSave);
    connect(m_pages.diary, &CDiary::opened, m_files, &FileNotices::reportOpen);
    // Not loaded: the data directories may not exist yet; the next day load shows the note.
    m_pages.diary->m_notePath = m_dayStrip->SelectedNotePath(".txt");
}

void CCorvaloDlg::createSettingsPage()
{
    m_pages.settings = new SettingsPage(this);
    m_parts.addPage(PageTable::SettingsPageWindow, m_pages.settings);
    m_pages.settings->setExportGroup(new ExportGroup(&m_store));
    connect(m_pages.settings, &SettingsPage::importRequested, this, [this] {
        BuildRest(); // the day shown afterwards, and the offer to undo
        ImportAction::open({this, &m_store, m_notice, [this] { FlushTyping(); },
                            [this] {
                                m_dayStrip->RefreshMarkers();
                                LoadDay();
                            },
                            m_undo});
    });
    SettingsWiring::connect(m_pages);
    connect(m_pages.settings->diaryFolderGroup(), &DiaryFolderGroup::chosen, this,
            [this](const std::filesystem::path &folder, bool move) {
                m_connection->move(folder, move);
            });
    // Built with the window, the page learns the folder once the connection is there.
    if (m_connection)
        m_connection->showFolder();
}

void CCorvaloDlg::createNutrientsPage()
{
    m_pages.nutrients = new NutrientsPage(this);
    m_parts.addPage(PageTable::NutrientsPageWindow, m_pages.nutrients);
    // Both read when the page is first shown, not at start-up.
    m_pages.nutrients->setSources(
        [this]() -> const FoodDatabase & {
            if (m_nutrientBytes.isEmpty()) {
                m_nutrientBytes = NutrientResource();
                if (!m_nutrientData.load(
                        {reinterpret_cast<const std::uint8_t *>(m_nutrientBytes.constData()),
                         std::size_t(m_nutrientBytes.size())}))
                    m_nutrientData.clear();
            }
            return foods();
        },
        &m_nutrientData, &m_store);
    m_pages.nutrients->setDays(m_dayStrip);
    SettingsWiring::connectNutrients(m_pages);
}
