// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiaryConnection.h"

#include "activity/ActivityList.h"
#include "app/DiaryFolderGroup.h"
#include "app/DiaryFollower.h"
#include "app/FileNotices.h"
#include "app/FoodPage.h"
#include "app/MergeForm.h"
#include "app/SettingsPage.h"
#include "app/SettingsWiring.h"
#include "app/WeightField.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "charts/CCharts.h"
#include "controls/CNoticeBar.h"
#include "food/FoodListActions.h"
#include "meals/CMealsList.h"
#include "nutrition/NutrientsPage.h"
#include "platform/AppFolders.h"
#include "store/DayStore.h"
#include "store/DiaryMove.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

DiaryConnection::DiaryConnection(DayStore &store, const WindowPages &pages, FileNotices *files,
                                 CTimCalentar *strip, Window window, QWidget *parent)
    : QObject(parent), m_store(store), m_pages(pages), m_files(files), m_strip(strip),
      m_window(std::move(window)), m_parent(parent)
{
    DiaryFollower::Views views;
    views.meals = [this] {
        if (m_pages.food)
            m_pages.food->meals()->RefreshFromFile();
    };
    views.weight = [this] {
        if (m_pages.food)
            m_pages.food->weight()->refreshFromFile();
    };
    views.activities = [this] {
        if (m_pages.food)
            m_pages.food->activities()->refresh();
    };
    views.note = [this] {
        if (m_pages.diary)
            m_pages.diary->RefreshFromFile();
    };
    views.history = [this] {
        m_strip->update();
        if (m_pages.charts)
            m_pages.charts->UpdateCharts();
        if (m_pages.nutrients)
            m_pages.nutrients->UpdatePage();
    };
    views.ownFoods = [this] {
        if (m_pages.food)
            m_pages.food->actions()->ReloadOwnFoods();
        // A recipe's nutrients beyond the ten.
        if (m_pages.nutrients)
            m_pages.nutrients->UpdatePage();
    };
    views.settings = [this] {
        SettingsWiring::show(m_pages);
    };
    views.merge = [this](const ConflictMerge::Found &found) {
        openMerge(found);
    };
    m_follower = new DiaryFollower(m_store, m_pages.notice, std::move(views), this);
    m_follower->checkConflicts();
}

void DiaryConnection::follow()
{
    m_follower->follow(m_strip->selectedDay(), m_strip->m_firstDay, m_strip->m_dayCount);
}

void DiaryConnection::move(const std::filesystem::path &folder, bool move)
{
    m_window.flushTyping();
    const std::filesystem::path from = m_store.rootDirectory();
    const DiaryMove::Remember remember = [](const std::filesystem::path &chosen) {
        return DiaryLocation::Remember(chosen, AppFolders::diaryEnvironment());
    };
    const DiaryMove::Summary summary =
        move ? DiaryMove::Move(from, folder, remember) : DiaryMove::Open(folder, remember);
    if (!summary.ok()) {
        m_pages.notice->showNotice(QStringLiteral("folder"),
                                   tr("The diary stays in %1: %2")
                                       .arg(QString::fromStdString(from.string()),
                                            QString::fromStdString(summary.problems.front())));
        return;
    }
    // The diary, its settings and its own foods as the new folder holds them.
    m_files->reportFolder(m_window.reopen());
    showFolder();
    SettingsWiring::show(m_pages);
    if (m_pages.food) {
        m_pages.food->actions()->setFile(m_store.OwnFoodsFile());
        m_pages.food->actions()->setRecipesFile(m_store.RecipesFile());
        m_pages.food->actions()->ReloadOwnFoods();
    }
    m_window.loadDay();
    m_follower->checkConflicts();
    m_pages.notice->showNotice(
        QStringLiteral("folder"),
        move ? tr("Diary moved to %1: %2 days copied, %3 joined with the days there")
                   .arg(QString::fromStdString(folder.string()))
                   .arg(summary.daysCopied)
                   .arg(summary.daysMerged)
             : tr("Diary opened in %1").arg(QString::fromStdString(folder.string())));
}

void DiaryConnection::showFolder()
{
    if (!m_pages.settings)
        return;
    const DiaryLocation::Resolved &location = m_window.location();
    m_pages.settings->diaryFolderGroup()->setFolder(
        location.folder,
        QCoreApplication::translate(
            "DiaryLocation", std::string(DiaryLocation::SourceText(location.source)).c_str()));
}

void DiaryConnection::openMerge(const ConflictMerge::Found &found)
{
    m_window.flushTyping();
    QString dayName;
    if (found.copy.day) {
        const DayFiles::LocalDate day = DayFiles::LocalDateOf(*found.copy.day);
        dayName = QLocale().toString(QDate(day.year, day.month, day.day), QLocale::LongFormat);
    }
    // Both files as they are, so that the merge can be taken back: the day and its copy.
    const std::optional<UndoStep::State> original = UndoStep::State::Of(found.original);
    const std::optional<UndoStep::State> copy = UndoStep::State::Of(found.path);
    MergeForm form(found, dayName, m_parent);
    if (form.exec() == QDialog::Accepted) {
        m_files->tell(form.result(), SaveProblem::Action::Save);
        std::vector<std::shared_ptr<const UndoStep>> steps;
        for (const auto &[file, before] :
             {std::pair {found.original, original}, {found.path, copy}})
            if (std::optional<UndoStep> step = UndoStep::Made(file, before))
                steps.push_back(std::make_shared<const UndoStep>(std::move(*step)));
        if (form.result().ok() && m_window.offerUndo)
            m_window.offerUndo(steps,
                               tr("Merged the copy of %1.")
                                   .arg(dayName.isEmpty() ? QString::fromStdString(
                                                                found.original.filename().string())
                                                          : dayName));
    }
    // What the merge wrote, and what is left to merge.
    m_store.Rescan();
    m_window.loadDay();
    m_follower->checkConflicts();
}

#include "moc_DiaryConnection.cpp"
