// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"
#include "store/UndoStep.h"

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CMealsList;
class FoodDatabase;
class FoodDatabaseLoader;
class FoodListView;
class FoodSearchController;
class PortionEntry;
class QMenu;
class RecipeListActions;
class SkinButton;
class SkinForm;
class UserFoodTable;

// What the Food page offers beside searching: the user's own foods (new, edit, delete, kept in
// UserFoodTable::FileName in the data folder) and a quick add of energy without a food. From the
// food list's context menu and two buttons, shown with the list. A change to the own foods is
// written at once, and the list shows it at once, the changed food chosen.
class FoodListActions : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        FoodDatabase *database = nullptr;
        FoodDatabaseLoader *loader = nullptr;
        FoodSearchController *search = nullptr;
        FoodListView *list = nullptr;
        PortionEntry *portion = nullptr;
        CMealsList *meals = nullptr;
    };

    // The buttons go on `page`, at the given places (their top-left corners).
    FoodListActions(Parts parts, std::filesystem::path file, QWidget *page, QPoint newFoodAt,
                    QPoint quickAddAt);

    // The context menu's entries for the record under the mouse (-1 for none).
    void fillMenu(QMenu &menu, int record);

    // Each opens its form, modal, and does what it says when it is saved.
    void NewFood();
    void EditFood(int record);
    void DeleteFood(int record);
    void QuickAddToDay();
    // The own-food table of another diary folder.
    void setFile(const std::filesystem::path &file) { m_file = file; }
    // The recipes listed beside the own foods (RecipeBook::FileName).
    void setRecipesFile(const std::filesystem::path &file);
    // Lists the own foods the table holds now, changed elsewhere (by hand, another computer).
    void ReloadOwnFoods();

    SkinButton *newFoodButton() const { return m_newFood; }
    SkinButton *quickAddButton() const { return m_quickAdd; }
    // New, edit and delete of the recipes, in the same menu.
    RecipeListActions *recipeActions() const { return m_recipes; }

signals:
    // The file was written or read, failed or not, for the notice bar.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // The recipes were read again for the list: the notice for lines skipped, empty for none.
    void recipesRead(const QString &skipped);
    // A food or a recipe deleted, which can be taken back.
    void undoable(const std::shared_ptr<const UndoStep> &step, const QString &what);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The table as the file holds it now; false, said, when it cannot be read.
    bool loadTable(UserFoodTable &table, QString *why);
    // Writes the table and rebuilds the database with its foods; the failure in words.
    QString store(const UserFoodTable &table, const std::string &chosen);
    // The database made again with the table's foods, `chosen` chosen in the list: the own food
    // of that name, or the recipe when `recipe`.
    void showTable(const UserFoodTable &table, const std::string &chosen, bool recipe = false);
    // One change made to the table as the file holds it now, under the file's lock, so that a
    // food added elsewhere while a form was open is kept; the change's refusal in words.
    QString change(const std::function<QString(UserFoodTable &)> &edit, const std::string &chosen);
    void showMenu(int row, const QPoint &at);

    Parts m_parts;
    std::filesystem::path m_file;
    std::filesystem::path m_recipesFile;
    QPointer<QWidget> m_window;
    SkinButton *m_newFood = nullptr;
    SkinButton *m_quickAdd = nullptr;
    RecipeListActions *m_recipes = nullptr;
};
