// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"
#include "food/FoodRecord.h"
#include "meals/MealEntry.h"

#include <QObject>
#include <array>

class CElements;
class CMealsList;
class FoodDatabase;
class QAbstractButton;
class QComboBox;
class QLineEdit;

// The portion row of the Food page: the current food's units in the unit box, the amount, the
// "+" preview on the nutrient panel, and Add, which logs the portion for the selected day.
class PortionEntry : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QLineEdit *amountBox = nullptr;
        QComboBox *unitBox = nullptr;
        QAbstractButton *addButton = nullptr;
        CElements *panel = nullptr;
        CMealsList *meals = nullptr;
    };

    // Add logs the portion for the day the meal list shows.
    PortionEntry(const FoodDatabase &database, Controls controls, QObject *parent = nullptr);

    // Makes the record the current food: amount "1.0", its units with the first one chosen,
    // and the preview. -1 leaves no food current.
    void SelectFood(int recordIndex);
    // After the food list is filtered anew: no current food, Add disabled.
    void ClearCurrentFood();
    // The current food is gone for good (deleted): also its units and its preview.
    void ForgetFood();
    void UpdatePortionPreview();
    void AddPortion();

    bool hasCurrentFood() const { return !m_current.isNull(); }
    const FoodRecord &currentFood() const { return m_current; }

private:
    // The factor of the unit chosen in the unit box, or nothing when none is chosen.
    bool selectedFactor(float &factor) const;
    // Add is offered for a current food with an amount that can be logged.
    void updateAddButton();

    const FoodDatabase &m_database;
    Controls m_controls;

    FoodRecord m_current;
    Nutrients m_nutrients {};
    // A food's own units and its standard pair: room for ten and two.
    std::array<float, FoodFormat::MaxUnits> m_unitFactors {};
};
