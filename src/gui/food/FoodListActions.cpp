// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodListActions.h"

#include "controls/ConfirmForm.h"
#include "controls/SkinButton.h"
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodForm.h"
#include "food/FoodListModel.h"
#include "food/FoodListView.h"
#include "food/FoodSearchController.h"
#include "food/PortionEntry.h"
#include "food/QuickAddForm.h"
#include "food/RecipeListActions.h"
#include "food/UserFoodTable.h"
#include "meals/CMealsList.h"
#include "platform/CoreText.h"
#include "platform/FileLock.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"
#include "skin/SkinColors.h"
#include "store/SaveProblem.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace {

QString actionsHex(std::uint32_t argb)
{
    return QStringLiteral("#%1").arg(argb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace

FoodListActions::FoodListActions(Parts parts, std::filesystem::path file, QWidget *page,
                                 QPoint newFoodAt, QPoint quickAddAt)
    : QObject(page), m_parts(parts), m_file(std::move(file)), m_window(page)
{
    m_newFood = new SkinButton(tr("+ New"), page);
    m_newFood->setToolTip(tr("New food\u2026"));
    m_newFood->setAccessibleName(tr("New food"));
    m_quickAdd = new SkinButton(tr("Quick Add\u2026"), page);
    m_quickAdd->setToolTip(tr("Log calories without a food"));
    m_quickAdd->setAccessibleName(tr("Quick add"));
    m_newFood->setObjectName(QStringLiteral("newFoodButton"));
    m_quickAdd->setObjectName(QStringLiteral("quickAddButton"));
    // As tall as the search box beside it, and as Clear List beside it.
    const int heights[] = {19, 16};
    int next = 0;
    for (SkinButton *button : {m_newFood, m_quickAdd}) {
        button->setCaptionPoints(8);
        // Keyboard users reach them by Tab, after the page's own controls.
        button->setFocusPolicy(Qt::TabFocus);
        button->resize(button->sizeHint().width(), heights[next++]);
        button->setVisible(m_parts.list->isVisible());
    }
    m_newFood->move(newFoodAt);
    // Right-aligned at its place.
    m_quickAdd->move(quickAddAt - QPoint(m_quickAdd->width(), 0));
    connect(m_newFood, &QAbstractButton::clicked, this, &FoodListActions::NewFood);
    connect(m_quickAdd, &QAbstractButton::clicked, this, &FoodListActions::QuickAddToDay);

    m_parts.list->installEventFilter(this);
    connect(m_parts.list, &FoodListView::menuRequested, this, &FoodListActions::showMenu);

    m_recipes = new RecipeListActions(*m_parts.database, m_parts.loader, page, this);
    connect(m_recipes, &RecipeListActions::saved, this, &FoodListActions::saved);
    connect(m_recipes, &RecipeListActions::opened, this, &FoodListActions::opened);
    connect(m_recipes, &RecipeListActions::undoable, this, &FoodListActions::undoable);
    connect(m_recipes, &RecipeListActions::changed, this, [this](const std::string &chosen) {
        UserFoodTable table;
        QString why;
        if (loadTable(table, &why))
            showTable(table, chosen, true);
    });
}

void FoodListActions::setRecipesFile(const std::filesystem::path &file)
{
    m_recipesFile = file;
    m_recipes->setFile(file);
}

bool FoodListActions::eventFilter(QObject *watched, QEvent *event)
{
    // The buttons belong to the list's page: they come and go with it.
    if (watched == m_parts.list &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        const bool shown = event->type() == QEvent::Show;
        m_newFood->setVisible(shown);
        m_quickAdd->setVisible(shown);
    }
    return QObject::eventFilter(watched, event);
}

void FoodListActions::showMenu(int row, const QPoint &at)
{
    const int record = m_parts.search->recordForRow(row);
    // Chosen again, a food would lose the amount typed for it.
    if (record >= 0 && row != m_parts.list->selectedRow())
        m_parts.list->chooseRow(row);
    QMenu menu(m_parts.list);
    menu.setStyleSheet(QStringLiteral("QMenu { background: %1; color: %2; border: 1px solid %3;"
                                      " font-family: Arial; font-size: 12px; padding: 2px; }"
                                      "QMenu::item { padding: 3px 18px 3px 12px; }"
                                      "QMenu::item:selected { background: %4; color: %1; }"
                                      "QMenu::separator { height: 1px; background: %3;"
                                      " margin: 3px 6px; }")
                           .arg(actionsHex(SkinColors::White), actionsHex(SkinColors::DiaryText),
                                actionsHex(SkinColors::PanelEdge),
                                actionsHex(SkinColors::BaseBlue)));
    fillMenu(menu, record);
    menu.exec(at);
}

void FoodListActions::fillMenu(QMenu &menu, int record)
{
    const bool recipe = record >= 0 && m_parts.search->model()->isRecipe(record);
    menu.addAction(tr("New food\u2026"), this, &FoodListActions::NewFood);
    if (record >= 0 && m_parts.database->isUserFood(record) && !recipe) {
        menu.addAction(tr("Edit food\u2026"), this, [this, record] { EditFood(record); });
        menu.addAction(tr("Delete food"), this, [this, record] { DeleteFood(record); });
    }
    m_recipes->fillMenu(menu, record, recipe);
    menu.addSeparator();
    menu.addAction(tr("Quick add\u2026"), this, &FoodListActions::QuickAddToDay);
}

bool FoodListActions::loadTable(UserFoodTable &table, QString *why)
{
    const FileIo::Result read = table.load(m_file);
    emit opened(read);
    if (read.ok())
        return true;
    *why = QString::fromStdString(SaveProblem::Describe(
        read, m_file.parent_path(), SaveProblem::Action::Load, CoreText::problem));
    return false;
}

QString FoodListActions::store(const UserFoodTable &table, const std::string &chosen)
{
    const FileIo::Result written = table.save(m_file);
    emit saved(written);
    if (!written.ok())
        return QString::fromStdString(SaveProblem::Describe(
            written, m_file.parent_path(), SaveProblem::Action::Save, CoreText::problem));
    showTable(table, chosen);
    return {};
}

QString FoodListActions::change(const std::function<QString(UserFoodTable &)> &edit,
                                const std::string &chosen)
{
    FileIo::Result locked;
    const std::optional<FileLock> lock = FileLock::acquire(m_file, false, locked);
    if (!lock && locked.problem != FileIo::Problem::Missing) {
        // Said in the notice bar too: a delete has no form to say it in.
        emit saved(locked);
        return QString::fromStdString(SaveProblem::Describe(
            locked, m_file.parent_path(), SaveProblem::Action::Save, CoreText::problem));
    }
    UserFoodTable table;
    QString why;
    if (!loadTable(table, &why))
        return why;
    if (const QString refused = edit(table); !refused.isEmpty())
        return refused;
    return store(table, chosen);
}

void FoodListActions::ReloadOwnFoods()
{
    if (m_parts.loader)
        m_parts.loader->finish();
    UserFoodTable table;
    QString why;
    if (loadTable(table, &why))
        showTable(table, {});
}

void FoodListActions::showTable(const UserFoodTable &table, const std::string &chosen, bool recipe)
{
    // The database is made again with the table's foods: a few milliseconds, and the same
    // foods in the same places as at the next start.
    FoodDatabase fresh;
    LoadFoodDatabase(fresh);
    RecipeBook recipes;
    if (!m_recipesFile.empty())
        (void)recipes.load(m_recipesFile);
    const QStringList recipeNames = AddOwnFoods(fresh, table, recipes);
    *m_parts.database = std::move(fresh);
    m_parts.portion->ClearCurrentFood();
    m_parts.search->setRecipeNames(recipeNames);
    m_parts.search->refilter();
    m_recipes->foodsChanged(recipeNames);
    emit recipesRead(QString::fromStdString(recipes.skippedNotice()));

    int record = -1;
    for (int i = 0; !chosen.empty() && i < m_parts.database->recordCount(); ++i)
        if (m_parts.database->isUserFood(i) && m_parts.database->name(i) == chosen &&
            m_parts.search->model()->isRecipe(i) == recipe)
            record = i;
    m_parts.list->chooseRow(m_parts.search->revealRecord(record));
}

void FoodListActions::NewFood()
{
    if (m_parts.loader)
        m_parts.loader->finish();
    UserFoodTable table;
    QString why;
    const bool readable = loadTable(table, &why);
    FoodForm form(
        table, *m_parts.database, nullptr,
        [&](const FoodTableEntry &food) -> QString {
            if (!readable)
                return why;
            return change(
                [&food](UserFoodTable &now) {
                    std::string refused;
                    return now.add(food, &refused) ? QString() : Text8::toQString(refused);
                },
                food.name);
        },
        m_window);
    form.exec();
}

void FoodListActions::EditFood(int record)
{
    if (m_parts.loader)
        m_parts.loader->finish();
    const std::string name(m_parts.database->name(record));
    UserFoodTable table;
    QString why;
    if (!loadTable(table, &why))
        return;
    const FoodTableEntry *stored = table.find(name);
    if (!stored) {
        // Changed by hand since the start: the list shows the file again.
        showTable(table, {});
        return;
    }
    const FoodTableEntry before = *stored;
    FoodForm form(
        table, *m_parts.database, &before,
        [&](const FoodTableEntry &food) -> QString {
            return change(
                [&](UserFoodTable &now) {
                    // Changed elsewhere since the form opened: not this food any more.
                    const FoodTableEntry *stored = now.find(before.name);
                    if (!stored || stored->nutrients != before.nutrients ||
                        stored->pairKind != before.pairKind ||
                        stored->units.size() != before.units.size())
                        return tr("This food was changed elsewhere meanwhile. Close the form "
                                  "and open it again.");
                    std::string refused;
                    return now.edit(before.name, food, &refused) ? QString()
                                                                 : Text8::toQString(refused);
                },
                food.name);
        },
        m_window);
    form.exec();
}

void FoodListActions::DeleteFood(int record)
{
    if (m_parts.loader)
        m_parts.loader->finish();
    const std::string name(m_parts.database->name(record));
    ConfirmForm confirm(tr("Delete food"),
                        tr("Delete \u201c%1\u201d from your own foods? Days that list it keep "
                           "their entries.")
                            .arg(Text8::toQString(name)),
                        tr("Delete"), m_window);
    if (confirm.exec() != QDialog::Accepted)
        return;
    const std::optional<UndoStep::State> before = UndoStep::State::Of(m_file);
    const QString refused = change(
        [&name](UserFoodTable &now) {
            now.remove(name);
            return QString();
        },
        {});
    if (!refused.isEmpty())
        return;
    m_parts.portion->ForgetFood();
    if (std::optional<UndoStep> step = UndoStep::Made(m_file, before))
        emit undoable(std::make_shared<const UndoStep>(std::move(*step)),
                      tr("Deleted your food \u201c%1\u201d.").arg(Text8::toQString(name)));
}

void FoodListActions::QuickAddToDay()
{
    QuickAddForm form(m_window);
    if (form.exec() == QDialog::Accepted)
        m_parts.meals->AppendMeal(form.entry());
}

#include "moc_FoodListActions.cpp"
