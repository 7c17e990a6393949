// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiaryFollower.h"

#include "controls/CNoticeBar.h"
#include "food/UserFoodTable.h"
#include "platform/CoreText.h"
#include "recipes/RecipeBook.h"
#include "store/ActivityDay.h"
#include "store/DayStore.h"
#include "store/DiarySettings.h"
#include "store/SaveProblem.h"

#include <QDate>
#include <QLocale>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t DaySeconds = 86400;

} // namespace

DiaryFollower::DiaryFollower(DayStore &store, CNoticeBar *notice, Views views, QObject *parent)
    : QObject(parent), m_store(store), m_notice(notice), m_views(std::move(views))
{
    connect(&m_watcher, &DiaryWatcher::changed, this, &DiaryFollower::changed);
    connect(m_notice, &CNoticeBar::activated, this, [this](const QString &key) {
        if (key == conflictKey() && !m_conflicts.empty() && m_views.merge)
            m_views.merge(m_conflicts.front());
    });
}

QString DiaryFollower::conflictKey()
{
    return QStringLiteral("conflicts");
}

void DiaryFollower::follow(const DayFiles::LocalDate &day, std::int64_t firstOnStrip, int dayCount)
{
    m_day = day;
    const fs::path root = m_store.rootDirectory();
    std::vector<fs::path> files {m_store.MealFile(day),
                                 m_store.WeightFile(day),
                                 m_store.NoteFile(day),
                                 root / UserFoodTable::FileName,
                                 root / RecipeBook::FileName,
                                 DiarySettings::FileIn(root),
                                 m_store.DataFilePath(day, ActivityDay::Extension)};
    // The chart's days: a meal or weight file changed in place changes no folder.
    for (int i = 0; i < dayCount; ++i) {
        const DayFiles::LocalDate shown = DayFiles::LocalDateOf(firstOnStrip + i * DaySeconds);
        files.push_back(m_store.MealFile(shown));
        files.push_back(m_store.WeightFile(shown));
    }
    m_watcher.watch({root, m_store.dataDirectory(), m_store.noteDirectory()}, files);
}

void DiaryFollower::changed(const std::set<fs::path> &paths)
{
    m_store.Refresh();
    bool history = false;
    bool folders = false;
    for (const fs::path &path : paths) {
        m_store.Forget(path);
        const std::string extension = path.extension().string();
        history = history || extension == ".db" || extension == ".wth";
        folders = folders || path == m_store.dataDirectory() || path == m_store.noteDirectory() ||
            path == m_store.rootDirectory();
    }
    const auto touched = [&paths](const fs::path &file) {
        return paths.contains(file);
    };
    if (m_views.meals && (folders || touched(m_store.MealFile(m_day))))
        m_views.meals();
    if (m_views.weight && (folders || touched(m_store.WeightFile(m_day))))
        m_views.weight();
    if (m_views.note && (folders || touched(m_store.NoteFile(m_day))))
        m_views.note();
    if (m_views.activities &&
        (folders || touched(m_store.DataFilePath(m_day, ActivityDay::Extension))))
        m_views.activities();
    if (m_views.history && (history || folders))
        m_views.history();
    // The food list holds the recipes beside the own foods: one rebuild for either.
    if (m_views.ownFoods && (touched(m_store.OwnFoodsFile()) || touched(m_store.RecipesFile())))
        m_views.ownFoods();
    if (m_views.settings && touched(DiarySettings::FileIn(m_store.rootDirectory())))
        m_views.settings();
    if (folders)
        checkConflicts();
}

void DiaryFollower::checkConflicts()
{
    // Recipes from another computer are joined at once: every definition of both is kept, so
    // there is nothing to ask.
    const ConflictMerge::RecipesJoined joined =
        ConflictMerge::JoinRecipeCopies(m_store.rootDirectory());
    for (const FileIo::Result &problem : joined.problems)
        m_notice->showNotice(
            QString::fromStdString(problem.file.string()),
            QString::fromStdString(SaveProblem::Describe(
                problem, m_store.rootDirectory(), SaveProblem::Action::Save, CoreText::problem)));
    if (!joined.copies.empty() && m_views.ownFoods)
        m_views.ownFoods();

    m_conflicts = ConflictMerge::List(m_store.rootDirectory());
    if (m_conflicts.empty()) {
        m_notice->clearNotice(conflictKey());
        return;
    }
    const ConflictMerge::Found &first = m_conflicts.front();
    QString text;
    if (first.copy.day) {
        const DayFiles::LocalDate day = DayFiles::LocalDateOf(*first.copy.day);
        text = tr("%1 has a copy from another computer")
                   .arg(QLocale().toString(QDate(day.year, day.month, day.day),
                                           QStringLiteral("d MMM")));
    } else {
        text = tr("Your own foods have a copy from another computer");
    }
    const int more = int(m_conflicts.size()) - 1;
    if (more > 0)
        text += tr(" (and %n more)", nullptr, more);
    m_notice->showNotice(conflictKey(), text);
    m_notice->setActionable(conflictKey(), tr("Click to merge"));
}

#include "moc_DiaryFollower.cpp"
