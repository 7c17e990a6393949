// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "recipes/RecipeInput.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class FoodDatabase;
class FoodPicker;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QVBoxLayout;
class RecipeBook;

// The form for a recipe, new or edited: its name, servings and cooked weight, its ingredients
// (each with an amount and one of its food's units), found and added by searching the food
// list, and the ten nutrients of a serving, shown anew at every change. Save checks what was
// typed, says what is wrong in words, and hands the recipe to `save`, which stores it; the form
// stays open, with everything typed, while that fails.
class RecipeForm : public SkinForm
{
    Q_OBJECT

public:
    // Empty when the recipe was stored, else why not, in the user's words.
    using Save = std::function<QString(const Recipe &recipe)>;

    // `editing` is the recipe to edit, nullptr for a new one; the database, which lists the
    // recipes as foods (`recipeNames`), and the book must outlive the form.
    RecipeForm(const FoodDatabase &database, const QStringList &recipeNames, const RecipeBook &book,
               const Recipe *editing, Save save, QWidget *parent = nullptr);

    // "A recipe cannot contain itself: Stew > Stock > Stew." for RecipeBook::loop's names.
    static QString loopText(const std::vector<std::string> &names);

    QLineEdit *nameBox() const { return m_name; }
    QLineEdit *servingsBox() const { return m_servings; }
    QLineEdit *cookedBox() const { return m_cooked; }
    // Where the ingredients are found and added.
    FoodPicker *picker() const { return m_picker; }
    int ingredientCount() const { return int(m_rows.size()); }
    QLineEdit *ingredientAmountBox(int row) const { return m_rows[std::size_t(row)].amount; }
    QComboBox *ingredientUnitBox(int row) const { return m_rows[std::size_t(row)].unit; }
    QAbstractButton *removeButton(int row) const { return m_rows[std::size_t(row)].remove; }
    // The figure shown for a nutrient of one serving ("216", "12.5 g"; "-" for none).
    QString perServingText(int nutrient) const;

    // Adds the food chosen in the list, with the amount and unit given for it.
    void addChosenFood();
    // The food list was made again (a food or recipe saved elsewhere): the search runs anew and
    // no food is chosen, as the records moved.
    void foodsChanged(const QStringList &recipeNames);

protected:
    bool commit() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Row
    {
        QWidget *row = nullptr;
        QLineEdit *amount = nullptr;
        QComboBox *unit = nullptr;
        QAbstractButton *remove = nullptr;
        MealEntry entry;
        // The food's units as the list offers them, with their grams.
        std::vector<std::pair<std::string, float>> units;
    };

    QWidget *makeIngredientArea();
    QWidget *makePreview();
    void addRow(const MealEntry &entry);
    void removeRow(QWidget *row);
    void orderTabs();
    void updatePreview();
    RecipeInput typed() const;
    QString describe(const RecipeInput::Result &result) const;
    QWidget *boxOf(const RecipeInput::Result &result) const;

    const FoodDatabase &m_database;
    const RecipeBook &m_book;
    Save m_save;

    QLineEdit *m_name = nullptr;
    QLineEdit *m_servings = nullptr;
    QLineEdit *m_cooked = nullptr;
    QWidget *m_rowArea = nullptr;
    QVBoxLayout *m_rowLayout = nullptr;
    QLabel *m_noIngredients = nullptr;
    std::vector<Row> m_rows;
    FoodPicker *m_picker = nullptr;
    QLabel *m_servingWeight = nullptr;
    std::array<QLabel *, Nutrient::Count> m_perServing {};
};
