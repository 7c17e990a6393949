// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class CMealsList;
class CNoticeBar;
class DayStore;
class FileNotices;
class FoodDatabase;
class FoodDatabaseLoader;
class FoodListActions;
class QMenu;

// The day's meal list's recipe entries, added to its context menu (mouse or the keyboard's menu
// key): the ticked meals (all when none is ticked) saved as a recipe, kept in the diary's recipe
// file beside the own foods and listed with them at once; and a logged recipe split into its
// ingredients, scaled to the amount eaten, so that one serving can be varied.
class RecipeActions : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        CMealsList *meals = nullptr;
        FoodDatabase *foods = nullptr;
        FoodDatabaseLoader *loader = nullptr;
        FoodListActions *list = nullptr;
        DayStore *store = nullptr;
        FileNotices *notices = nullptr;
        CNoticeBar *notice = nullptr;
    };

    RecipeActions(Parts parts, QObject *parent);

    // The recipe entries, after the list's own.
    void fillMenu(QMenu &menu);
    // Opens the form, modal; the recipe is stored when it is saved.
    void SaveAsRecipe();
    // The row's recipe entry replaced by its ingredients, as defined on the row's day.
    void SplitIntoIngredients(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The recipe stored under the file's lock; why it cannot be, in words (empty when stored).
    QString store(const QString &name, double servings);

    Parts m_parts;
};
