// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodPicker.h"

#include "controls/SkinButton.h"
#include "controls/SkinForm.h"
#include "food/FoodDatabase.h"
#include "food/FoodListView.h"
#include "food/FoodSearchController.h"
#include "food/Portion.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int PickerFoodsShown = 5;

} // namespace

FoodPicker::FoodPicker(const FoodDatabase &database, SkinForm &form, int width)
    : QWidget(&form), m_database(database)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    m_search = new QLineEdit(this);
    m_search->setAccessibleName(tr("Search the foods to add"));
    m_search->setPlaceholderText(tr("Type two letters of each word"));
    m_search->setClearButtonEnabled(true);
    grid->addWidget(form.makeLabel(tr("Add")), 0, 0);
    grid->addWidget(m_search, 0, 1, 1, 4);

    m_list = new FoodListView(this);
    m_list->setAccessibleName(tr("Foods to add"));
    m_list->setFixedSize(width,
                         PickerFoodsShown * m_list->verticalHeader()->defaultSectionSize() +
                             2 * m_list->frameWidth());
    // The names fit the list, cut short with their tooltip whole.
    m_list->horizontalHeader()->setDefaultSectionSize(width - 22);
    m_searching = new FoodSearchController(m_database, m_search, m_list, this);
    m_searching->resetAfterLoad();
    connect(m_searching, &FoodSearchController::foodRowChosen, this, &FoodPicker::chooseFood);
    connect(m_searching, &FoodSearchController::filterRecomputed, this, [this] {
        m_chosen = -1;
        m_unit->clear();
        updateAddButton();
    });
    grid->addWidget(m_list, 1, 0, 1, 5);

    m_amount = form.makeNumberBox();
    m_amount->setAccessibleName(tr("Amount to add"));
    m_amount->setText(QStringLiteral("1"));
    m_unit = new QComboBox(this);
    m_unit->setAccessibleName(tr("Unit to add"));
    m_unit->setMinimumWidth(150);
    m_add = new SkinButton(tr("+ Add"), this);
    m_add->setAccessibleName(tr("Add the food to the recipe"));
    grid->addWidget(form.makeLabel(tr("Amount")), 2, 0);
    grid->addWidget(m_amount, 2, 1);
    grid->addWidget(m_unit, 2, 2);
    grid->addWidget(m_add, 2, 3);
    grid->setColumnStretch(4, 1);
    connect(m_amount, &QLineEdit::textChanged, this, &FoodPicker::updateAddButton);
    connect(m_add, &QAbstractButton::clicked, this, &FoodPicker::addRequested);
    updateAddButton();
}

void FoodPicker::setRecipeNames(const QStringList &names)
{
    m_searching->setRecipeNames(names);
}

void FoodPicker::refilter()
{
    m_searching->refilter();
}

void FoodPicker::chooseFood(int row)
{
    m_chosen = m_searching->recordForRow(row);
    m_unit->clear();
    const FoodRecord record = m_database.record(m_chosen);
    if (record.isNull()) {
        m_chosen = -1;
    } else {
        const FoodUnits units = record.units();
        for (int u = 0; u < units.count; ++u)
            m_unit->addItem(Text8::toQString(units.items[std::size_t(u)].name),
                            double(Portion::EffectiveFactor(units.items[std::size_t(u)].factor)));
        m_unit->setCurrentIndex(units.count > 0 ? 0 : -1);
    }
    updateAddButton();
}

void FoodPicker::updateAddButton()
{
    const TypedNumber amount = TypedNumber::read(Text8::fromQString(m_amount->text()));
    m_add->setEnabled(m_chosen >= 0 && m_unit->currentIndex() >= 0 &&
                      amount.kind == TypedNumber::Kind::Number && IsTypedAmount(amount.value));
}

bool FoodPicker::portion(MealEntry &entry, QString &why, QWidget *&box) const
{
    const FoodRecord record = m_database.record(m_chosen);
    const TypedNumber amount = TypedNumber::read(Text8::fromQString(m_amount->text()));
    if (record.isNull() || m_unit->currentIndex() < 0) {
        why = tr("Choose a food in the list to add it.");
        box = m_search;
        return false;
    }
    if (amount.kind != TypedNumber::Kind::Number || !IsTypedAmount(amount.value)) {
        why = tr("Type an amount above 0 to add, like 2 or 0.5.");
        box = m_amount;
        return false;
    }
    entry = Portion::MakeEntry(record.name(), record.nutrients(),
                               float(m_unit->currentData().toDouble()), amount.value,
                               Text8::fromQString(m_unit->currentText()));
    return true;
}

void FoodPicker::clear()
{
    m_search->clear();
    m_amount->setText(QStringLiteral("1"));
    m_search->setFocus(Qt::OtherFocusReason);
}

void FoodPicker::enterOn(QWidget *focus)
{
    if (focus != m_search) {
        emit addRequested();
        return;
    }
    if (m_chosen < 0 && m_list->model()->rowCount() > 0)
        m_list->chooseRow(0);
    m_amount->setFocus(Qt::OtherFocusReason);
    m_amount->selectAll();
}

#include "moc_FoodPicker.cpp"
