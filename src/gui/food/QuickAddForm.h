// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "meals/MealEntry.h"

#include <array>

class QLineEdit;

// Energy logged without a food: calories, and carbohydrates, fat and protein if known. Add
// checks what was typed and says what is wrong in words; entry() is then the entry to log
// (QuickAdd::MakeEntry).
class QuickAddForm : public SkinForm
{
    Q_OBJECT

public:
    // The boxes in this order.
    static constexpr std::array<int, 4> Nutrients = {Nutrient::Calories, Nutrient::Carbohydrates,
                                                     Nutrient::Fat, Nutrient::Protein};

    explicit QuickAddForm(QWidget *parent = nullptr);

    QLineEdit *box(int nutrient) const;
    const MealEntry &entry() const { return m_entry; }

protected:
    bool commit() override;

private:
    std::array<QLineEdit *, 4> m_boxes {};
    MealEntry m_entry;
};
