// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/RecipeListActions.h"

#include "controls/ConfirmForm.h"
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseResource.h"
#include "food/RecipeForm.h"
#include "food/TableText.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/FileLock.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"
#include "store/SaveProblem.h"

#include <QMenu>

namespace {

DayFiles::LocalDate recipeToday()
{
    return DayFiles::LocalDateOf(Clock::now());
}

} // namespace

RecipeListActions::RecipeListActions(FoodDatabase &database, FoodDatabaseLoader *loader,
                                     QWidget *window, QObject *parent)
    : QObject(parent), m_database(database), m_loader(loader), m_window(window)
{
}

void RecipeListActions::fillMenu(QMenu &menu, int record, bool isRecipe)
{
    menu.addAction(tr("New recipe\u2026"), this, &RecipeListActions::NewRecipe);
    if (record >= 0 && isRecipe) {
        menu.addAction(tr("Edit recipe\u2026"), this, [this, record] { EditRecipe(record); });
        menu.addAction(tr("Delete recipe"), this, [this, record] { DeleteRecipe(record); });
    }
}

bool RecipeListActions::load(RecipeBook &book)
{
    const FileIo::Result read = book.load(m_file);
    emit opened(read);
    return read.ok();
}

QString RecipeListActions::change(const std::function<QString(RecipeBook &)> &edit)
{
    const auto problem = [this](const FileIo::Result &result, SaveProblem::Action action) {
        return QString::fromStdString(
            SaveProblem::Describe(result, m_file.parent_path(), action, CoreText::problem));
    };
    FileIo::Result locked;
    const std::optional<FileLock> lock = FileLock::acquire(m_file, false, locked);
    if (!lock && locked.problem != FileIo::Problem::Missing) {
        emit saved(locked);
        return problem(locked, SaveProblem::Action::Save);
    }
    RecipeBook book;
    const FileIo::Result read = book.load(m_file);
    emit opened(read);
    if (!read.ok())
        return problem(read, SaveProblem::Action::Load);
    if (const QString refused = edit(book); !refused.isEmpty())
        return refused;
    const FileIo::Result written = book.save(m_file);
    emit saved(written);
    return written.ok() ? QString() : problem(written, SaveProblem::Action::Save);
}

QString RecipeListActions::define(RecipeBook &book, Recipe recipe, const Recipe *before)
{
    const QString name = Text8::toQString(recipe.name);
    if (book.nameTakenByFood(recipe.name, m_database))
        return tr("There is already a food called \u201c%1\u201d. Give the recipe another name.")
            .arg(name);
    const Recipe *existing = book.find(recipe.name);
    if (existing && (!before || !TableText::SameName(existing->name, before->name)))
        return tr("There is already a recipe called \u201c%1\u201d.").arg(name);
    if (before) {
        // Changed elsewhere since the form opened: not this recipe any more.
        const Recipe *now = book.find(before->name);
        if (!now || RecipeBook::formatLine(*now) != RecipeBook::formatLine(*before))
            return tr("This recipe was changed elsewhere meanwhile. Close the form and open it "
                      "again.");
        // Saved unchanged: no new definition.
        recipe.since = before->since;
        if (RecipeBook::formatLine(recipe) == RecipeBook::formatLine(*before))
            return {};
    }
    recipe.since = recipeToday();
    if (const std::vector<std::string> names = book.loop(recipe); !names.empty())
        return RecipeForm::loopText(names);
    if (std::string why; !book.define(recipe, &why))
        return tr("The recipe cannot be saved: %1").arg(QString::fromStdString(why));
    // Renamed: the old name goes from today, as a deleted recipe would.
    if (before && !TableText::SameName(before->name, recipe.name))
        book.remove(before->name, recipe.since);
    return {};
}

std::string RecipeListActions::runForm(const RecipeBook &book, const Recipe *before)
{
    QStringList recipeNames;
    for (const Recipe &recipe : book.recipes())
        recipeNames << Text8::toQString(recipe.name);
    std::string stored;
    RecipeForm form(
        m_database, recipeNames, book, before,
        [&](const Recipe &recipe) {
            const QString refused =
                change([&](RecipeBook &now) { return define(now, recipe, before); });
            if (refused.isEmpty())
                stored = recipe.name;
            return refused;
        },
        m_window);
    m_form = &form;
    return form.exec() == QDialog::Accepted ? stored : std::string();
}

void RecipeListActions::foodsChanged(const QStringList &recipeNames)
{
    if (m_form)
        m_form->foodsChanged(recipeNames);
}

void RecipeListActions::NewRecipe()
{
    if (m_loader)
        m_loader->finish();
    RecipeBook book;
    // One that cannot be read is said; saving then says it again, in the form.
    (void)load(book);
    const std::string stored = runForm(book, nullptr);
    if (!stored.empty())
        emit changed(stored);
}

void RecipeListActions::EditRecipe(int record)
{
    if (m_loader)
        m_loader->finish();
    const std::string name(m_database.name(record));
    RecipeBook book;
    if (!load(book))
        return;
    const Recipe *stored = book.find(name);
    if (!stored) {
        // Deleted elsewhere since the list was made: the list shows the file again.
        emit changed({});
        return;
    }
    const Recipe before = *stored;
    const std::string saved = runForm(book, &before);
    if (!saved.empty())
        emit changed(saved);
}

void RecipeListActions::DeleteRecipe(int record)
{
    if (m_loader)
        m_loader->finish();
    const std::string name(m_database.name(record));
    ConfirmForm confirm(tr("Delete recipe"),
                        tr("Delete the recipe \u201c%1\u201d? Days that logged it keep their "
                           "entries.")
                            .arg(Text8::toQString(name)),
                        tr("Delete"), m_window);
    if (confirm.exec() != QDialog::Accepted)
        return;
    const std::optional<UndoStep::State> before = UndoStep::State::Of(m_file);
    (void)change([&name](RecipeBook &book) {
        book.remove(name, recipeToday());
        return QString();
    });
    emit changed({});
    if (std::optional<UndoStep> step = UndoStep::Made(m_file, before))
        emit undoable(std::make_shared<const UndoStep>(std::move(*step)),
                      tr("Deleted the recipe \u201c%1\u201d.").arg(Text8::toQString(name)));
}

#include "moc_RecipeListActions.cpp"
