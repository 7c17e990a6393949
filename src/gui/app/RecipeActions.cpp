// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecipeActions.h"

#include "app/FileNotices.h"
#include "controls/CNoticeBar.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodListActions.h"
#include "food/RecipeSaveForm.h"
#include "meals/CMealsList.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/FileLock.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>
#include <memory>

RecipeActions::RecipeActions(Parts parts, QObject *parent) : QObject(parent), m_parts(parts)
{
    setObjectName(QStringLiteral("recipeActions"));
    // The menu key reaches the list, a click its viewport.
    m_parts.meals->installEventFilter(this);
    m_parts.meals->viewport()->installEventFilter(this);
}

bool RecipeActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu ||
        (watched != m_parts.meals && watched != m_parts.meals->viewport()))
        return QObject::eventFilter(watched, event);
    const std::unique_ptr<QMenu> menu(m_parts.meals->ContextMenu());
    fillMenu(*menu);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void RecipeActions::fillMenu(QMenu &menu)
{
    const std::vector<MealEntry> &entries = m_parts.meals->entries();
    const bool anyTicked = std::any_of(entries.begin(), entries.end(),
                                       [](const MealEntry &entry) { return entry.ticked; });
    menu.addSeparator();
    QAction *save = menu.addAction(anyTicked ? tr("Save ticked meals as a recipe\u2026")
                                             : tr("Save meals as a recipe\u2026"),
                                   this, &RecipeActions::SaveAsRecipe);
    save->setEnabled(!m_parts.meals->isLoading() && !entries.empty());
    const int row = m_parts.meals->currentRow();
    if (row < 0 || row >= int(entries.size()) || m_parts.meals->isLoading())
        return;
    RecipeBook book;
    (void)book.load(m_parts.store->RecipesFile());
    if (book.inForce(entries[std::size_t(row)].name, m_parts.meals->day(),
                     &entries[std::size_t(row)].nutrients))
        menu.addAction(tr("Split into ingredients"), this,
                       [this, row] { SplitIntoIngredients(row); });
}

void RecipeActions::SplitIntoIngredients(int row)
{
    const std::vector<MealEntry> &entries = m_parts.meals->entries();
    if (row < 0 || row >= int(entries.size()))
        return;
    const MealEntry entry = entries[std::size_t(row)];
    RecipeBook book;
    (void)book.load(m_parts.store->RecipesFile());
    const Recipe *recipe = book.inForce(entry.name, m_parts.meals->day(), &entry.nutrients);
    if (!recipe)
        return;
    m_parts.meals->ReplaceMeal(row, recipe->split(entry));
}

void RecipeActions::SaveAsRecipe()
{
    if (m_parts.loader)
        m_parts.loader->finish();
    const int meals = int(DayStore::MealsToCopy(m_parts.meals->entries()).size());
    if (meals == 0)
        return;
    QString saved;
    RecipeSaveForm form(
        meals,
        [&](const QString &name, double servings) {
            const QString refused = store(name, servings);
            if (refused.isEmpty())
                saved = name;
            return refused;
        },
        m_parts.meals->window());
    if (form.exec() != QDialog::Accepted)
        return;
    m_parts.list->ReloadOwnFoods();
    m_parts.notice->showNotice(QStringLiteral("recipe"),
                               tr("Saved recipe \u201c%1\u201d").arg(saved));
}

QString RecipeActions::store(const QString &name, double servings)
{
    const std::filesystem::path file = m_parts.store->RecipesFile();
    const auto problem = [&file](const FileIo::Result &result, SaveProblem::Action action) {
        return QString::fromStdString(
            SaveProblem::Describe(result, file.parent_path(), action, CoreText::problem));
    };
    // As the own foods: a recipe saved elsewhere meanwhile is kept.
    FileIo::Result locked;
    const std::optional<FileLock> lock = FileLock::acquire(file, false, locked);
    if (!lock && locked.problem != FileIo::Problem::Missing)
        return problem(locked, SaveProblem::Action::Save);
    RecipeBook book;
    if (const FileIo::Result read = book.load(file); !read.ok())
        return problem(read, SaveProblem::Action::Load);
    const std::string typed = Text8::fromQString(name);
    if (book.nameTakenByFood(typed, *m_parts.foods))
        return tr("There is already a food called \u201c%1\u201d. Give the recipe another name.")
            .arg(name);
    const Recipe *before = book.find(typed);
    // A change keeps the name as it was written first.
    Recipe recipe = Recipe::fromEntries(before ? std::string_view(before->name) : typed,
                                        DayStore::MealsToCopy(m_parts.meals->entries()), servings);
    recipe.since = DayFiles::LocalDateOf(Clock::now());
    if (std::string why; !book.define(recipe, &why))
        return tr("The recipe cannot be saved: %1").arg(QString::fromStdString(why));
    const FileIo::Result written = book.save(file);
    m_parts.notices->reportSave(written);
    return written.ok() ? QString() : problem(written, SaveProblem::Action::Save);
}

#include "moc_RecipeActions.cpp"
