// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/RecipeForm.h"

#include "controls/SkinButton.h"
#include "food/FoodDatabase.h"
#include "food/FoodListView.h"
#include "food/FoodPicker.h"
#include "food/Portion.h"
#include "food/TableText.h"
#include "meals/NutrientText.h"
#include "platform/CoreText.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The left part's width: the ingredient rows, the search and its list.
constexpr int RecipeFormLeftWidth = 390;
constexpr int RecipeFormRowsShown = 4;

QString recipeFormFigure(int nutrient, float value)
{
    const std::string figure = NutrientText::Figure(value);
    if (figure.empty())
        return QStringLiteral("-");
    const std::string_view unit = NutrientText::Unit(nutrient);
    return Text8::toQString(figure) + u' ' +
        (unit.empty() ? QStringLiteral("kcal") : Text8::toQString(unit));
}

} // namespace

RecipeForm::RecipeForm(const FoodDatabase &database, const QStringList &recipeNames,
                       const RecipeBook &book, const Recipe *editing, Save save, QWidget *parent)
    : SkinForm(editing ? tr("Edit recipe") : tr("New recipe"), tr("Save"), parent),
      m_database(database), m_book(book), m_save(std::move(save))
{
    auto *left = new QGridLayout;
    left->setHorizontalSpacing(6);
    left->setVerticalSpacing(5);
    int row = 0;
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(tr("Recipe name"));
    left->addWidget(makeLabel(tr("Name")), row, 0);
    left->addWidget(m_name, row++, 1, 1, 4);

    m_servings = makeNumberBox();
    m_servings->setAccessibleName(tr("Servings"));
    m_cooked = makeNumberBox();
    m_cooked->setAccessibleName(tr("Cooked weight in grams"));
    m_cooked->setToolTip(tr("Leave it empty for the ingredients' weight."));
    left->addWidget(makeLabel(tr("Servings")), row, 0);
    left->addWidget(m_servings, row, 1);
    left->addWidget(makeLabel(tr("Cooked weight")), row, 2, Qt::AlignRight);
    auto *cooked = new QHBoxLayout;
    cooked->setSpacing(6);
    cooked->addWidget(m_cooked);
    cooked->addWidget(makeLabel(QStringLiteral("g"), false));
    left->addLayout(cooked, row++, 3, 1, 2);

    left->addWidget(makeLabel(tr("Ingredients")), row++, 0, 1, 5);
    left->addWidget(makeIngredientArea(), row++, 0, 1, 5);
    m_picker = new FoodPicker(m_database, *this, RecipeFormLeftWidth);
    connect(m_picker, &FoodPicker::addRequested, this, &RecipeForm::addChosenFood);
    left->addWidget(m_picker, row++, 0, 1, 5);
    left->setColumnStretch(4, 1);

    body()->addLayout(left, 0, 0);
    body()->addWidget(makePreview(), 0, 1, Qt::AlignTop);
    body()->setHorizontalSpacing(18);

    const RecipeInput input = editing ? RecipeInput::fromRecipe(*editing) : RecipeInput();
    m_name->setText(Text8::toQString(input.name));
    m_servings->setText(Text8::toQString(input.servings));
    m_cooked->setText(Text8::toQString(input.cookedGrams));
    for (const RecipeInput::Ingredient &ingredient : input.ingredients)
        addRow(ingredient.entry);
    m_picker->setRecipeNames(recipeNames);

    for (QLineEdit *box : {m_servings, m_cooked})
        connect(box, &QLineEdit::textChanged, this, &RecipeForm::updatePreview);
    orderTabs();
    updatePreview();
    fitToContents();
    m_name->setFocus(Qt::OtherFocusReason);
}

QString RecipeForm::loopText(const std::vector<std::string> &names)
{
    QStringList path;
    for (const std::string &name : names)
        path << Text8::toQString(name);
    return tr("A recipe cannot contain itself: %1.").arg(path.join(QStringLiteral(" > ")));
}

QWidget *RecipeForm::makeIngredientArea()
{
    m_rowArea = new QWidget;
    m_rowLayout = new QVBoxLayout(m_rowArea);
    m_rowLayout->setContentsMargins(0, 0, 0, 0);
    m_rowLayout->setSpacing(4);
    m_noIngredients = makeLabel(tr("None yet: search for a food below and add it."), false);
    m_rowLayout->addWidget(m_noIngredients);
    m_rowLayout->addStretch(1);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ingredientRows"));
    scroll->setWidget(m_rowArea);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(
        QStringLiteral("QScrollArea#ingredientRows, QScrollArea#ingredientRows > QWidget > "
                       "QWidget { background: transparent; }"));
    scroll->setFixedSize(RecipeFormLeftWidth,
                         RecipeFormRowsShown * (m_name->sizeHint().height() + 4));
    scroll->setAccessibleName(tr("Ingredients"));
    return scroll;
}

QWidget *RecipeForm::makePreview()
{
    auto *part = new QWidget(this);
    auto *grid = new QGridLayout(part);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->addWidget(makeLabel(tr("One serving")), 0, 0, 1, 2);
    m_servingWeight = makeLabel(QString(), false);
    grid->addWidget(m_servingWeight, 1, 0, 1, 2);
    for (int k = 0; k < Nutrient::Count; ++k) {
        const int at = 2 + NutrientText::ScreenRow(k);
        QLabel *value = makeLabel(QString(), false);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(70);
        m_perServing[std::size_t(k)] = value;
        grid->addWidget(makeLabel(CoreText::nutrientName(k), false), at, 0);
        grid->addWidget(value, at, 1);
    }
    part->setAccessibleName(tr("Nutrients of one serving"));
    return part;
}

void RecipeForm::addRow(const MealEntry &entry)
{
    Row row;
    row.entry = entry;
    row.row = new QWidget(m_rowArea);
    auto *line = new QHBoxLayout(row.row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    const QString name = Text8::toQString(entry.name);
    QLabel *label = makeLabel(name, false);
    label->setParent(row.row);
    label->setToolTip(name);
    label->setFixedWidth(148);
    label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, label->width()));
    row.amount = new QLineEdit(row.row);
    row.amount->setFixedWidth(56);
    row.amount->setAlignment(Qt::AlignRight);
    row.amount->setText(Text8::toQString(TableText::Number(entry.amount)));
    row.amount->setAccessibleName(tr("Amount of %1").arg(name));
    row.unit = new QComboBox(row.row);
    row.unit->setFixedWidth(132);
    row.unit->setAccessibleName(tr("Unit of %1").arg(name));
    auto *remove = new SkinButton(QStringLiteral("\u2212"), row.row);
    row.remove = remove;
    remove->setAccessibleName(tr("Remove %1").arg(name));
    remove->setToolTip(tr("Remove the ingredient"));
    remove->setFixedWidth(remove->sizeHint().height() + 6);
    line->addWidget(label);
    line->addWidget(row.amount);
    line->addWidget(row.unit);
    line->addWidget(remove);
    line->addStretch(1);

    // The units its food offers now; the one it was measured in keeps its grams (a recipe's
    // serving may weigh otherwise today), and comes first when the food has no such unit.
    for (int i = 0; i < m_database.recordCount(); ++i) {
        if (m_database.name(i) != entry.name)
            continue;
        const FoodUnits units = m_database.record(i).units();
        for (int u = 0; u < units.count; ++u)
            row.units.emplace_back(std::string(units.items[std::size_t(u)].name),
                                   Portion::EffectiveFactor(units.items[std::size_t(u)].factor));
        break;
    }
    auto current = std::find_if(row.units.begin(), row.units.end(),
                                [&entry](const auto &unit) { return unit.first == entry.unit; });
    if (current == row.units.end())
        current = row.units.insert(row.units.begin(), {entry.unit, entry.gramsPerUnit});
    current->second = entry.gramsPerUnit;
    const int chosen = int(current - row.units.begin());
    for (const auto &[unit, grams] : row.units)
        row.unit->addItem(Text8::toQString(unit));
    row.unit->setCurrentIndex(chosen);

    QWidget *rowWidget = row.row;
    connect(remove, &QAbstractButton::clicked, this, [this, rowWidget] { removeRow(rowWidget); });
    connect(row.amount, &QLineEdit::textChanged, this, &RecipeForm::updatePreview);
    connect(row.unit, &QComboBox::currentIndexChanged, this, [this, rowWidget](int index) {
        for (Row &at : m_rows) {
            if (at.row == rowWidget && index >= 0 && std::size_t(index) < at.units.size()) {
                at.entry.unit = at.units[std::size_t(index)].first;
                at.entry.gramsPerUnit = at.units[std::size_t(index)].second;
            }
        }
        updatePreview();
    });
    m_rowLayout->insertWidget(int(m_rows.size()), row.row);
    m_rows.push_back(std::move(row));
    m_noIngredients->hide();
}

void RecipeForm::removeRow(QWidget *row)
{
    for (auto at = m_rows.begin(); at != m_rows.end(); ++at) {
        if (at->row == row) {
            const bool hadFocus = row->isAncestorOf(focusWidget());
            m_rows.erase(at);
            row->hide();
            row->deleteLater();
            if (hadFocus)
                m_picker->searchBox()->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    m_noIngredients->setVisible(m_rows.empty());
    orderTabs();
    updatePreview();
}

// The order of the form: the recipe's boxes, each ingredient's, then the search, its list and
// what adds the food, and the form's buttons.
void RecipeForm::orderTabs()
{
    std::vector<QWidget *> chain {m_name, m_servings, m_cooked};
    for (const Row &row : m_rows)
        chain.insert(chain.end(), {row.amount, row.unit, row.remove});
    chain.insert(chain.end(),
                 {m_picker->searchBox(), m_picker->list(), m_picker->amountBox(),
                  m_picker->unitBox(), m_picker->addButton(), cancelButton(), commitButton()});
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void RecipeForm::addChosenFood()
{
    MealEntry entry;
    QString why;
    QWidget *box = nullptr;
    if (!m_picker->portion(entry, why, box)) {
        showProblem(why, box);
        return;
    }
    // A recipe with itself inside would weigh more at every look.
    RecipeInput::Result trial = typed().read();
    trial.recipe.ingredients.push_back(entry);
    if (const std::vector<std::string> names = m_book.loop(trial.recipe); !names.empty()) {
        showProblem(loopText(names), m_picker->searchBox());
        return;
    }
    addRow(entry);
    orderTabs();
    showProblem({});
    updatePreview();
    m_picker->clear();
}

void RecipeForm::foodsChanged(const QStringList &recipeNames)
{
    m_picker->setRecipeNames(recipeNames);
    m_picker->refilter();
}

RecipeInput RecipeForm::typed() const
{
    RecipeInput input;
    input.name = Text8::fromQString(m_name->text());
    input.servings = Text8::fromQString(m_servings->text());
    input.cookedGrams = Text8::fromQString(m_cooked->text());
    for (const Row &row : m_rows)
        input.ingredients.push_back({row.entry, Text8::fromQString(row.amount->text())});
    return input;
}

void RecipeForm::updatePreview()
{
    const Recipe recipe = typed().read().recipe;
    m_cooked->setPlaceholderText(
        Text8::toQString(NutrientText::Figure(float(recipe.ingredientGrams()))));
    const Nutrients serving = recipe.perServing();
    for (int k = 0; k < Nutrient::Count; ++k)
        m_perServing[std::size_t(k)]->setText(recipeFormFigure(k, serving[k]));
    const std::string grams =
        recipe.servings > 0.0 ? NutrientText::Figure(float(recipe.servingGrams())) : std::string();
    m_servingWeight->setText(
        grams.empty()
            ? QString()
            : tr("%1 g of %2 g")
                  .arg(Text8::toQString(grams),
                       Text8::toQString(NutrientText::Figure(float(recipe.totalGrams())))));
}

QString RecipeForm::perServingText(int nutrient) const
{
    return m_perServing[std::size_t(nutrient)]->text();
}

QString RecipeForm::describe(const RecipeInput::Result &result) const
{
    using Problem = RecipeInput::Problem;
    const auto ingredient = [&]() -> QString {
        if (result.item < 0 || std::size_t(result.item) >= m_rows.size())
            return {};
        return Text8::toQString(m_rows[std::size_t(result.item)].entry.name);
    };
    switch (result.problem) {
    case Problem::None:
        return {};
    case Problem::NoName:
        return tr("Give the recipe a name.");
    case Problem::NameNotPlain:
        return tr("A name cannot start with # or hold a tab.");
    case Problem::ServingsEmpty:
        return tr("Type how many servings the recipe makes.");
    case Problem::ServingsNotANumber:
        if (const QString comma = CoreText::thousandsProblem(m_servings->text()); !comma.isEmpty())
            return tr("Servings: %1").arg(comma);
        return tr("Servings: \u201c%1\u201d is no number. Type it like 2 or 1.5.")
            .arg(m_servings->text().trimmed());
    case Problem::ServingsNotAboveZero:
        return tr("The servings must be more than 0.");
    case Problem::CookedNotANumber:
        if (const QString comma = CoreText::thousandsProblem(m_cooked->text()); !comma.isEmpty())
            return tr("Cooked weight: %1").arg(comma);
        return tr("Cooked weight: \u201c%1\u201d is no number. Type the grams, or leave the box "
                  "empty for the ingredients' weight.")
            .arg(m_cooked->text().trimmed());
    case Problem::CookedNotAboveZero:
        return tr("The cooked weight must be more than 0 g.");
    case Problem::NoIngredients:
        return tr("Add at least one ingredient: search for it below.");
    case Problem::AmountNotANumber:
        return tr("Type the amount of %1, like 2 or 0.5.").arg(ingredient());
    case Problem::AmountNotAboveZero:
        return tr("The amount of %1 must be more than 0.").arg(ingredient());
    }
    return {};
}

QWidget *RecipeForm::boxOf(const RecipeInput::Result &result) const
{
    using Problem = RecipeInput::Problem;
    switch (result.problem) {
    case Problem::NoName:
    case Problem::NameNotPlain:
        return m_name;
    case Problem::ServingsEmpty:
    case Problem::ServingsNotANumber:
    case Problem::ServingsNotAboveZero:
        return m_servings;
    case Problem::CookedNotANumber:
    case Problem::CookedNotAboveZero:
        return m_cooked;
    case Problem::NoIngredients:
        return m_picker->searchBox();
    case Problem::AmountNotANumber:
    case Problem::AmountNotAboveZero:
        return m_rows[std::size_t(result.item)].amount;
    case Problem::None:
        break;
    }
    return nullptr;
}

void RecipeForm::keyPressEvent(QKeyEvent *event)
{
    // Enter in the search part picks and adds a food rather than saving the form.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_picker->isAncestorOf(focusWidget())) {
        m_picker->enterOn(focusWidget());
        return;
    }
    SkinForm::keyPressEvent(event);
}

bool RecipeForm::commit()
{
    const RecipeInput::Result result = typed().read();
    if (result.problem != RecipeInput::Problem::None) {
        showProblem(describe(result), boxOf(result));
        return false;
    }
    if (const std::vector<std::string> names = m_book.loop(result.recipe); !names.empty()) {
        showProblem(loopText(names), m_name);
        return false;
    }
    if (const QString failed = m_save(result.recipe); !failed.isEmpty()) {
        showProblem(failed, m_name);
        return false;
    }
    return true;
}

#include "moc_RecipeForm.cpp"
