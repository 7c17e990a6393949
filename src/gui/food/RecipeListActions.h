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

class FoodDatabase;
class FoodDatabaseLoader;
class QMenu;
class QWidget;
class RecipeBook;
class RecipeForm;
struct Recipe;

// The recipes' entries of the food list's context menu: a new recipe, and the recipe chosen in
// the list edited or deleted, through the recipe form or a question. They are kept in the
// diary's RecipeBook::FileName, changed under its lock so that a recipe saved elsewhere
// meanwhile is kept. A change is a new definition from today on: days logged before keep theirs.
class RecipeListActions : public QObject
{
    Q_OBJECT

public:
    RecipeListActions(FoodDatabase &database, FoodDatabaseLoader *loader, QWidget *window,
                      QObject *parent);

    void setFile(const std::filesystem::path &file) { m_file = file; }
    // The entries for the record under the mouse (-1 for none); `isRecipe` says whether it is.
    void fillMenu(QMenu &menu, int record, bool isRecipe);

    // Each opens its form, modal, and does what it says when it is saved.
    void NewRecipe();
    void EditRecipe(int record);
    void DeleteRecipe(int record);
    // The food list was made again: an open form searches it anew.
    void foodsChanged(const QStringList &recipeNames);

signals:
    // The file was written or read, failed or not, for the notice bar.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // The file changed: the list shows it again, with that recipe chosen (empty for none).
    void changed(const std::string &chosen);
    // A recipe deleted, which can be taken back.
    void undoable(const std::shared_ptr<const UndoStep> &step, const QString &what);

private:
    // The book as the file holds it now; false, and said, when it cannot be read.
    bool load(RecipeBook &book);
    // One change made to the book as the file holds it now, under the file's lock, and saved;
    // the change's refusal or the failure in words.
    QString change(const std::function<QString(RecipeBook &)> &edit);
    // The form's recipe stored in the book, new (`before` nullptr) or in place of `before`.
    QString define(RecipeBook &book, Recipe recipe, const Recipe *before);
    // Opens the form; the name stored, empty when it was cancelled.
    std::string runForm(const RecipeBook &book, const Recipe *before);

    FoodDatabase &m_database;
    FoodDatabaseLoader *m_loader = nullptr;
    QPointer<QWidget> m_window;
    std::filesystem::path m_file;
    QPointer<RecipeForm> m_form;
};
