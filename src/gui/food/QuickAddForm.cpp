// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/QuickAddForm.h"

#include "meals/NutrientText.h"
#include "meals/QuickAdd.h"
#include "platform/CoreText.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QuickAddForm::QuickAddForm(QWidget *parent) : SkinForm(tr("Quick add"), tr("Add"), parent)
{
    QGridLayout *grid = body();
    for (std::size_t i = 0; i < Nutrients.size(); ++i) {
        const int nutrient = Nutrients[i];
        m_boxes[i] = makeNumberBox();
        m_boxes[i]->setAccessibleName(CoreText::nutrientName(nutrient));
        const std::string_view unit = NutrientText::Unit(nutrient);
        grid->addWidget(makeLabel(CoreText::nutrientName(nutrient)), int(i), 0);
        grid->addWidget(m_boxes[i], int(i), 1);
        grid->addWidget(
            makeLabel(unit.empty() ? QStringLiteral("kcal") : Text8::toQString(unit), false),
            int(i), 2);
    }
    QLabel *note = makeLabel(tr("Only the calories are needed."), false);
    grid->addWidget(note, int(Nutrients.size()), 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(2, 40);
    // Room for a problem in one or two lines.
    note->setMinimumWidth(272);
    fitToContents();
    m_boxes[0]->setFocus(Qt::OtherFocusReason);
}

QLineEdit *QuickAddForm::box(int nutrient) const
{
    for (std::size_t i = 0; i < Nutrients.size(); ++i)
        if (Nutrients[i] == nutrient)
            return m_boxes[i];
    return nullptr;
}

bool QuickAddForm::commit()
{
    std::array<double, 4> values {};
    for (std::size_t i = 0; i < Nutrients.size(); ++i) {
        const QString text = m_boxes[i]->text().trimmed();
        const TypedNumber typed = TypedNumber::read(Text8::fromQString(text));
        const QString name = CoreText::nutrientName(Nutrients[i]);
        if (i == 0 && typed.kind == TypedNumber::Kind::Empty) {
            showProblem(tr("Type the calories."), m_boxes[i]);
            return false;
        }
        if (typed.kind == TypedNumber::Kind::NotANumber) {
            // Why, in the reader's words: not a number, or a comma that could be thousands.
            showProblem(tr("%1: %2").arg(name, CoreText::numberProblem(typed, text)), m_boxes[i]);
            return false;
        }
        if (i == 0 ? !(typed.value > 0.0) : typed.value < 0.0) {
            showProblem(i == 0 ? tr("The calories must be more than 0.")
                               : tr("%1 cannot be less than 0.").arg(name),
                        m_boxes[i]);
            return false;
        }
        values[i] = typed.value;
    }
    const std::optional<MealEntry> entry =
        QuickAdd::MakeEntry({values[0], values[1], values[2], values[3]});
    if (!entry) {
        showProblem(tr("A number is too large."), m_boxes[0]);
        return false;
    }
    m_entry = *entry;
    return true;
}

#include "moc_QuickAddForm.cpp"
