// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "food/FoodTable.h"
#include "food/UserFoodInput.h"

#include <array>
#include <functional>
#include <vector>

class FoodDatabase;
class UserFoodTable;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QVBoxLayout;

// The form for one of the user's own foods, new or edited: its name, whether it is weighed or
// measured by volume, the ten nutrients per 100 g (100 mL) or per serving, and its household
// units. Save checks what was typed, says what is wrong in words, and hands the food to `save`,
// which stores it; the form stays open, with everything typed, while that fails.
class FoodForm : public SkinForm
{
    Q_OBJECT

public:
    // Empty when the food was stored, else why not, in the user's words.
    using Save = std::function<QString(const FoodTableEntry &food)>;

    // `editing` is the food to edit, nullptr for a new one; both tables must outlive the form.
    FoodForm(const UserFoodTable &table, const FoodDatabase &database,
             const FoodTableEntry *editing, Save save, QWidget *parent = nullptr);

    QLineEdit *nameBox() const { return m_name; }
    QComboBox *measureChoice() const { return m_measure; }
    QComboBox *basisChoice() const { return m_basis; }
    QLineEdit *servingBox() const { return m_serving; }
    QLineEdit *nutrientBox(int nutrient) const { return m_nutrients[std::size_t(nutrient)]; }
    int unitRowCount() const { return int(m_units.size()); }
    QLineEdit *unitNameBox(int row) const { return m_units[std::size_t(row)].name; }
    QLineEdit *unitAmountBox(int row) const { return m_units[std::size_t(row)].amount; }
    QAbstractButton *addUnitButton() const { return m_addUnit; }
    // The part with the catalogue's other nutrients, closed until this button opens it.
    QAbstractButton *moreButton() const { return m_moreButton; }
    QWidget *morePart() const { return m_morePart; }
    // The box of a catalogue nutrient beyond the ten, by id; nullptr for one of the ten.
    QLineEdit *moreBox(int id) const { return m_more[std::size_t(id)]; }

    // One more empty unit row, up to ten.
    void addUnitRow();

protected:
    bool commit() override;

private:
    struct UnitRow
    {
        QWidget *row = nullptr;
        QLineEdit *name = nullptr;
        QLineEdit *amount = nullptr;
        QLabel *per = nullptr;
        QWidget *remove = nullptr;
    };

    QWidget *makeMorePart();
    void orderMoreTabs();
    void fill(const UserFoodInput &input);
    UserFoodInput typed() const;
    void removeUnitRow(QWidget *row);
    void updateMeasure();
    QString describe(const UserFoodInput::Result &result, const UserFoodInput &input) const;
    QWidget *boxOf(const UserFoodInput::Result &result) const;

    const UserFoodTable &m_table;
    const FoodDatabase &m_database;
    std::string m_editing;
    Save m_save;

    QLineEdit *m_name = nullptr;
    QComboBox *m_measure = nullptr;
    QComboBox *m_basis = nullptr;
    QLineEdit *m_serving = nullptr;
    QLabel *m_servingUnit = nullptr;
    std::array<QLineEdit *, Nutrient::Count> m_nutrients {};
    std::array<QLabel *, Nutrient::Count> m_nutrientUnits {};
    QWidget *m_unitArea = nullptr;
    QVBoxLayout *m_unitRows = nullptr;
    std::vector<UnitRow> m_units;
    QAbstractButton *m_addUnit = nullptr;
    QLabel *m_pairNote = nullptr;
    QAbstractButton *m_moreButton = nullptr;
    QWidget *m_morePart = nullptr;
    std::array<QLineEdit *, NutrientCatalogue::Count> m_more {};
};
