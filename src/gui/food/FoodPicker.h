// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <QStringList>
#include <QWidget>

class FoodDatabase;
class FoodListView;
class FoodSearchController;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class SkinForm;

// A portion of any food of the list, picked inside a form: a search box like the Food page's,
// the foods it finds, an amount and one of the chosen food's units, and a button that asks for
// the portion to be added. The database must outlive the picker.
class FoodPicker : public QWidget
{
    Q_OBJECT

public:
    // Labels and boxes in the form's look; `width` is the list's.
    FoodPicker(const FoodDatabase &database, SkinForm &form, int width);

    QLineEdit *searchBox() const { return m_search; }
    FoodListView *list() const { return m_list; }
    QLineEdit *amountBox() const { return m_amount; }
    QComboBox *unitBox() const { return m_unit; }
    QAbstractButton *addButton() const { return m_add; }

    // The user's foods of these names are recipes, marked as such.
    void setRecipeNames(const QStringList &names);
    // The database was made again: the search runs anew and no food is chosen.
    void refilter();

    // The entry that logs the portion; false with why, and the box it is about, when no food
    // is chosen or the amount cannot be logged.
    bool portion(MealEntry &entry, QString &why, QWidget *&box) const;
    // Ready for the next food: the search empty, the amount 1, the keyboard in the search box.
    void clear();
    // Enter with the keyboard on `focus`, one of the picker's boxes: in the search box it
    // chooses the first food found and goes on to the amount, elsewhere it asks to add.
    void enterOn(QWidget *focus);

signals:
    void addRequested();

private:
    void chooseFood(int row);
    void updateAddButton();

    const FoodDatabase &m_database;
    QLineEdit *m_search = nullptr;
    FoodListView *m_list = nullptr;
    FoodSearchController *m_searching = nullptr;
    QLineEdit *m_amount = nullptr;
    QComboBox *m_unit = nullptr;
    QAbstractButton *m_add = nullptr;
    int m_chosen = -1;
};
