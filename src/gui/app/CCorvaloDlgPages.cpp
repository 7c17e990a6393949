// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pages other than the Food page, each built when first needed and wired to the
// window: the chart, the diary, the Settings and the Nutrients pages.
#include "app/CCorvaloDlg.h"
#include "app/DiaryConnection.h"
#include "app/DiaryFolderGroup.h"
#include "app/ExportGroup.h"
#include "app/FileNotices.h"
#include "app/ImportAction.h"
#include "app/ReportAction.h"
#include "app/SettingsPage.h"
#include "app/SettingsWiring.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "charts/CCharts.h"
#include "food/FoodDatabaseResource.h"
#include "layout/PageTable.h"
#include "nutrition/NutrientsPage.h"
#include "platform/AppSettings.h"

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
