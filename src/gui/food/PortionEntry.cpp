// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/PortionEntry.h"

#include "food/FoodDatabase.h"
#include "food/Portion.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "meals/MealEntry.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// 0, which no portion is, when the box holds no amount that may be logged.
double parseAmount(const QLineEdit *box)
{
    const TypedNumber typed = TypedNumber::read(Text8::fromQString(box->text()));
    return typed.kind == TypedNumber::Kind::Number && IsTypedAmount(typed.value) ? typed.value
                                                                                 : 0.0;
}

} // namespace

PortionEntry::PortionEntry(const FoodDatabase &database, Controls controls, QObject *parent)
    : QObject(parent), m_database(database), m_controls(controls)
{
    connect(m_controls.amountBox, &QLineEdit::textChanged, this,
            &PortionEntry::UpdatePortionPreview);
    connect(m_controls.amountBox, &QLineEdit::textChanged, this, &PortionEntry::updateAddButton);
    connect(m_controls.unitBox, &QComboBox::currentIndexChanged, this,
            &PortionEntry::UpdatePortionPreview);
    connect(m_controls.addButton, &QAbstractButton::clicked, this, &PortionEntry::AddPortion);
}

void PortionEntry::SelectFood(int recordIndex)
{
    const FoodRecord record = m_database.record(recordIndex);
    if (record.isNull()) {
        m_current = {};
        return;
    }

    m_controls.amountBox->setText(ShownNumber::text("1.0"));
    m_current = record;
    updateAddButton();
    m_nutrients = record.nutrients();

    const FoodUnits units = record.units();
    {
        const QSignalBlocker quiet(m_controls.unitBox);
        m_controls.unitBox->clear();
        m_unitFactors.fill(0.0f);
        for (int i = 0; i < units.count; ++i) {
            m_unitFactors[i] = units.items[i].factor;
            m_controls.unitBox->addItem(Text8::toQString(units.items[i].name), i);
        }
        m_controls.unitBox->setCurrentIndex(units.count > 0 ? 0 : -1);
    }
    UpdatePortionPreview();
}

void PortionEntry::ClearCurrentFood()
{
    m_current = {};
    updateAddButton();
}

void PortionEntry::ForgetFood()
{
    ClearCurrentFood();
    {
        const QSignalBlocker quiet(m_controls.unitBox);
        m_controls.unitBox->clear();
    }
    m_unitFactors.fill(0.0f);
    m_controls.panel->EndPreview();
}

void PortionEntry::updateAddButton()
{
    m_controls.addButton->setEnabled(hasCurrentFood() &&
                                     IsStorableAmount(parseAmount(m_controls.amountBox)));
}

bool PortionEntry::selectedFactor(float &factor) const
{
    const int index = m_controls.unitBox->currentIndex();
    if (index < 0)
        return false;
    const int slot = m_controls.unitBox->itemData(index).toInt();
    if (slot < 0 || slot >= int(m_unitFactors.size()))
        return false;
    factor = m_unitFactors[slot];
    return true;
}

void PortionEntry::UpdatePortionPreview()
{
    float factor = 0.0f;
    if (!hasCurrentFood() || !selectedFactor(factor))
        return;
    m_controls.panel->SetAddPreview(
        Portion::Contents(m_nutrients, parseAmount(m_controls.amountBox), factor));
}

void PortionEntry::AddPortion()
{
    float factor = 0.0f;
    const double amount = parseAmount(m_controls.amountBox);
    if (!hasCurrentFood() || !selectedFactor(factor) || !IsStorableAmount(amount))
        return;
    const MealEntry entry =
        Portion::MakeEntry(m_current.name(), m_nutrients, factor, amount,
                           Text8::fromQString(m_controls.unitBox->currentText()));
    m_controls.meals->AppendMeal(entry);
}

#include "moc_PortionEntry.cpp"
