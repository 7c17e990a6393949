// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/RecipeSaveForm.h"

#include "platform/CoreText.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

RecipeSaveForm::RecipeSaveForm(int meals, Store store, QWidget *parent)
    : SkinForm(tr("Save as a recipe"), tr("Save"), parent), m_store(std::move(store))
{
    QGridLayout *grid = body();
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(tr("Recipe name"));
    m_name->setMinimumWidth(200);
    m_servings = makeNumberBox();
    m_servings->setAccessibleName(tr("Servings"));
    m_servings->setText(QStringLiteral("1"));
    grid->addWidget(makeLabel(tr("Name")), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(makeLabel(tr("Servings")), 1, 0);
    grid->addWidget(m_servings, 1, 1);
    QLabel *note = makeLabel(tr("Made of %n meal(s) of the day.", nullptr, meals), false);
    grid->addWidget(note, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    note->setMinimumWidth(272);
    fitToContents();
    m_name->setFocus(Qt::OtherFocusReason);
}

bool RecipeSaveForm::commit()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        showProblem(tr("Type a name for the recipe."), m_name);
        return false;
    }
    const QString text = m_servings->text().trimmed();
    const TypedNumber typed = TypedNumber::read(Text8::fromQString(text));
    if (typed.kind == TypedNumber::Kind::Empty) {
        showProblem(tr("Type how many servings the recipe makes."), m_servings);
        return false;
    }
    if (typed.kind == TypedNumber::Kind::NotANumber) {
        showProblem(tr("Servings: %1").arg(CoreText::numberProblem(typed, text)), m_servings);
        return false;
    }
    if (!(typed.value > 0.0)) {
        showProblem(tr("The servings must be more than 0."), m_servings);
        return false;
    }
    if (const QString refused = m_store(name, typed.value); !refused.isEmpty()) {
        showProblem(refused, m_name);
        return false;
    }
    return true;
}

#include "moc_RecipeSaveForm.cpp"
