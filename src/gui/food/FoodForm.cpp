// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodForm.h"

#include "controls/SkinButton.h"
#include "food/FoodDatabase.h"
#include "food/UserFoodTable.h"
#include "meals/NutrientText.h"
#include "platform/CoreText.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int UnitRowsShown = 3;
// Rows of the other nutrients shown at once; the rest scroll, so the form fits small screens.
constexpr int MoreRowsShown = 8;

int lastOnScreen()
{
    for (int k = 0; k < Nutrient::Count; ++k)
        if (NutrientText::ScreenRow(k) == Nutrient::Count - 1)
            return k;
    return Nutrient::Count - 1;
}

QString catalogueText(std::string_view text)
{
    return QCoreApplication::translate("NutrientCatalogue", text.data());
}

QString nutrientUnit(int nutrient)
{
    const std::string_view unit = NutrientText::Unit(nutrient);
    return unit.empty() ? QStringLiteral("kcal") : Text8::toQString(unit);
}

} // namespace

FoodForm::FoodForm(const UserFoodTable &table, const FoodDatabase &database,
                   const FoodTableEntry *editing, Save save, QWidget *parent)
    : SkinForm(editing ? tr("Edit food") : tr("New food"), tr("Save"), parent), m_table(table),
      m_database(database), m_editing(editing ? editing->name : std::string()),
      m_save(std::move(save))
{
    QGridLayout *grid = body();
    int row = 0;
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(tr("Name"));
    m_name->setMinimumWidth(340);
    grid->addWidget(makeLabel(tr("Name")), row, 0);
    grid->addWidget(m_name, row++, 1, 1, 5);

    m_measure = makeChoice({tr("grams (g)"), tr("millilitres (mL)")});
    m_measure->setAccessibleName(tr("Measured in"));
    m_measure->setMinimumWidth(150);
    grid->addWidget(makeLabel(tr("Measured in")), row, 0);
    grid->addWidget(m_measure, row++, 1, 1, 2);

    m_basis = makeChoice({QString(), QString()});
    m_basis->setAccessibleName(tr("Values for"));
    m_basis->setMinimumWidth(150);
    m_serving = makeNumberBox();
    m_serving->setAccessibleName(tr("Serving"));
    m_servingUnit = makeLabel(QString(), false);
    auto *basisRow = new QHBoxLayout;
    basisRow->setSpacing(6);
    basisRow->addWidget(m_basis);
    basisRow->addWidget(m_serving);
    basisRow->addWidget(m_servingUnit);
    basisRow->addStretch(1);
    grid->addWidget(makeLabel(tr("Values for")), row, 0);
    grid->addLayout(basisRow, row++, 1, 1, 5);

    // Two columns in the nutrient panel's order.
    const int firstRow = row;
    // Made in screen order, which is the Tab order.
    std::array<int, Nutrient::Count> byScreen {};
    for (int k = 0; k < Nutrient::Count; ++k)
        byScreen[std::size_t(NutrientText::ScreenRow(k))] = k;
    for (const int k : byScreen) {
        const int screen = NutrientText::ScreenRow(k);
        const int column = screen < 5 ? 0 : 3;
        const int at = firstRow + screen % 5;
        m_nutrients[std::size_t(k)] = makeNumberBox();
        m_nutrients[std::size_t(k)]->setAccessibleName(CoreText::nutrientName(k));
        m_nutrientUnits[std::size_t(k)] = makeLabel(nutrientUnit(k), false);
        grid->addWidget(makeLabel(CoreText::nutrientName(k)), at, column);
        grid->addWidget(m_nutrients[std::size_t(k)], at, column + 1);
        grid->addWidget(m_nutrientUnits[std::size_t(k)], at, column + 2);
    }
    row = firstRow + 5;
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(2, 36);

    grid->addWidget(makeLabel(tr("Units")), row, 0, Qt::AlignTop);
    m_pairNote = makeLabel(QString(), false);
    grid->addWidget(m_pairNote, row++, 1, 1, 5);

    m_unitArea = new QWidget;
    m_unitRows = new QVBoxLayout(m_unitArea);
    m_unitRows->setContentsMargins(0, 0, 0, 0);
    m_unitRows->setSpacing(4);
    m_unitRows->addStretch(1);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("unitRows"));
    scroll->setWidget(m_unitArea);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QScrollArea#unitRows, QScrollArea#unitRows > QWidget > "
                                         "QWidget { background: transparent; }"));
    scroll->setFixedHeight(UnitRowsShown * (m_name->sizeHint().height() + 4));
    grid->addWidget(scroll, row++, 1, 1, 5);

    m_addUnit = new SkinButton(tr("+ Unit"), this);
    m_addUnit->setAccessibleName(tr("Add a unit"));
    grid->addWidget(m_addUnit, row++, 1, Qt::AlignLeft);
    connect(m_addUnit, &QAbstractButton::clicked, this, [this] {
        addUnitRow();
        m_units.back().name->setFocus(Qt::OtherFocusReason);
    });

    auto *moreButton = new QToolButton(this);
    m_moreButton = moreButton;
    moreButton->setText(tr("More nutrients"));
    moreButton->setAccessibleName(tr("More nutrients"));
    moreButton->setCheckable(true);
    moreButton->setArrowType(Qt::RightArrow);
    moreButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    moreButton->setAutoRaise(true);
    moreButton->setFocusPolicy(Qt::StrongFocus);
    grid->addWidget(moreButton, row++, 0, 1, 6, Qt::AlignLeft);
    m_morePart = makeMorePart();
    m_morePart->hide();
    grid->addWidget(m_morePart, row++, 0, 1, 6);
    connect(moreButton, &QAbstractButton::toggled, this, [this, moreButton](bool open) {
        moreButton->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        const QRect room = screen()->availableGeometry();
        if (open) {
            // As many rows as the screen has room for below the closed form, three at least.
            const int row = m_name->sizeHint().height() + 4;
            m_morePart->setFixedHeight(
                std::clamp(room.height() - height() - 2 * row, 3 * row, MoreRowsShown * row));
        }
        m_morePart->setVisible(open);
        fitToContents();
        QRect frame = geometry();
        frame.moveTop(std::clamp(frame.top(), room.top(),
                                 std::max(room.top(), room.bottom() - frame.height())));
        move(frame.topLeft());
    });

    connect(m_measure, &QComboBox::currentIndexChanged, this, &FoodForm::updateMeasure);
    connect(m_basis, &QComboBox::currentIndexChanged, this, &FoodForm::updateMeasure);
    fill(editing ? UserFoodInput::fromFood(*editing) : UserFoodInput());
    fitToContents();
    m_name->setFocus(Qt::OtherFocusReason);
}

QWidget *FoodForm::makeMorePart()
{
    auto *area = new QWidget;
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    int row = 0;
    NutrientGroup group = NutrientGroup::Count;
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (info.stored >= 0)
            continue;
        if (info.group != group) {
            group = info.group;
            grid->addWidget(makeLabel(catalogueText(NutrientCatalogue::groupName(group))), row++, 0,
                            1, 3);
        }
        const QString name = catalogueText(info.name);
        const QString unit = Text8::toQString(info.unit);
        QLineEdit *box = makeNumberBox();
        box->setAccessibleName(tr("%1 (%2)").arg(name, unit));
        m_more[std::size_t(info.id)] = box;
        grid->addWidget(makeLabel(name, false), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(makeLabel(unit, false), row++, 2);
    }
    grid->setColumnStretch(0, 1);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("moreNutrients"));
    scroll->setWidget(area);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(
        QStringLiteral("QScrollArea#moreNutrients, QScrollArea#moreNutrients > QWidget > "
                       "QWidget { background: transparent; }"));
    scroll->setAccessibleName(tr("More nutrients"));
    return scroll;
}

void FoodForm::fill(const UserFoodInput &input)
{
    m_name->setText(Text8::toQString(input.name));
    m_measure->setCurrentIndex(input.millilitres ? 1 : 0);
    m_basis->setCurrentIndex(input.perServing ? 1 : 0);
    m_serving->setText(Text8::toQString(input.servingAmount));
    for (int k = 0; k < Nutrient::Count; ++k)
        m_nutrients[std::size_t(k)]->setText(Text8::toQString(input.nutrients[std::size_t(k)]));
    for (int id = 0; id < NutrientCatalogue::Count; ++id)
        if (m_more[std::size_t(id)])
            m_more[std::size_t(id)]->setText(Text8::toQString(input.more[std::size_t(id)]));
    for (const UserFoodInput::Unit &unit : input.units) {
        addUnitRow();
        m_units.back().name->setText(Text8::toQString(unit.name));
        m_units.back().amount->setText(Text8::toQString(unit.amount));
    }
    // A row to type into.
    if (m_units.empty())
        addUnitRow();
    updateMeasure();
}

void FoodForm::addUnitRow()
{
    if (m_units.size() >= std::size_t(FoodFormat::ReadUnitLimit))
        return;
    UnitRow unit;
    unit.row = new QWidget(m_unitArea);
    auto *line = new QHBoxLayout(unit.row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    unit.name = new QLineEdit(unit.row);
    unit.name->setPlaceholderText(tr("e.g. slice"));
    unit.name->setAccessibleName(tr("Unit name"));
    unit.amount = new QLineEdit(unit.row);
    unit.amount->setFixedWidth(64);
    unit.amount->setAlignment(Qt::AlignRight);
    unit.amount->setAccessibleName(tr("Amount in one unit"));
    unit.per = new QLabel(unit.row);
    unit.per->setFont(skinFont(QStringLiteral("Arial"), 10));
    unit.per->setMinimumWidth(30);
    auto *remove = new SkinButton(QStringLiteral("\u2212"), unit.row);
    unit.remove = remove;
    remove->setAccessibleName(tr("Remove the unit"));
    remove->setToolTip(tr("Remove the unit"));
    remove->setFixedWidth(remove->sizeHint().height() + 6);
    line->addWidget(unit.name, 1);
    line->addWidget(unit.amount);
    line->addWidget(unit.per);
    line->addWidget(remove);
    QWidget *rowWidget = unit.row;
    connect(remove, &QAbstractButton::clicked, this,
            [this, rowWidget] { removeUnitRow(rowWidget); });
    m_unitRows->insertWidget(int(m_units.size()), unit.row);
    m_units.push_back(unit);
    // New rows come before + Unit and the buttons, not after them.
    QWidget *previous = m_units.size() > 1 ? m_units[m_units.size() - 2].remove : nullptr;
    if (!previous)
        previous = m_nutrients[std::size_t(lastOnScreen())];
    QWidget::setTabOrder(previous, unit.name);
    QWidget::setTabOrder(unit.name, unit.amount);
    QWidget::setTabOrder(unit.amount, remove);
    QWidget::setTabOrder(remove, m_addUnit);
    orderMoreTabs();
    m_addUnit->setEnabled(m_units.size() < std::size_t(FoodFormat::ReadUnitLimit));
    updateMeasure();
}

// After + Unit, as the part is shown below it.
void FoodForm::orderMoreTabs()
{
    QWidget *previous = m_addUnit;
    QWidget::setTabOrder(previous, m_moreButton);
    previous = m_moreButton;
    for (QLineEdit *box : m_more) {
        if (box) {
            QWidget::setTabOrder(previous, box);
            previous = box;
        }
    }
}

void FoodForm::removeUnitRow(QWidget *row)
{
    for (auto at = m_units.begin(); at != m_units.end(); ++at) {
        if (at->row == row) {
            m_units.erase(at);
            row->deleteLater();
            break;
        }
    }
    m_addUnit->setEnabled(true);
}

void FoodForm::updateMeasure()
{
    const bool millilitres = m_measure->currentIndex() == 1;
    const QString unit = millilitres ? QStringLiteral("mL") : QStringLiteral("g");
    m_basis->setItemText(0, millilitres ? tr("100 mL") : tr("100 g"));
    m_basis->setItemText(1, tr("a serving of"));
    const bool perServing = m_basis->currentIndex() == 1;
    m_serving->setVisible(perServing);
    m_servingUnit->setVisible(perServing);
    m_servingUnit->setText(unit);
    for (UnitRow &row : m_units)
        row.per->setText(unit);
    m_pairNote->setText(millilitres ? tr("Every drink has mL and fl.oz; add the ones you use:")
                                    : tr("Every food has g and oz; add the ones you use:"));
}

UserFoodInput FoodForm::typed() const
{
    UserFoodInput input;
    input.name = Text8::fromQString(m_name->text());
    input.millilitres = m_measure->currentIndex() == 1;
    input.perServing = m_basis->currentIndex() == 1;
    input.servingAmount = Text8::fromQString(m_serving->text());
    for (int k = 0; k < Nutrient::Count; ++k)
        input.nutrients[std::size_t(k)] = Text8::fromQString(m_nutrients[std::size_t(k)]->text());
    for (int id = 0; id < NutrientCatalogue::Count; ++id)
        if (m_more[std::size_t(id)])
            input.more[std::size_t(id)] = Text8::fromQString(m_more[std::size_t(id)]->text());
    for (const UnitRow &row : m_units)
        input.units.push_back(
            {Text8::fromQString(row.name->text()), Text8::fromQString(row.amount->text())});
    return input;
}

QString FoodForm::describe(const UserFoodInput::Result &result, const UserFoodInput &input) const
{
    using Problem = UserFoodInput::Problem;
    const QString unit = input.millilitres ? QStringLiteral("mL") : QStringLiteral("g");
    QString nutrient;
    QString typedText;
    QString unitName;
    if (result.item >= 0 && result.item < Nutrient::Count) {
        nutrient = CoreText::nutrientName(result.item);
        typedText = Text8::toQString(input.nutrients[std::size_t(result.item)]).trimmed();
    }
    const bool more =
        result.problem == Problem::MoreNotANumber || result.problem == Problem::MoreNegative;
    if (more) {
        nutrient = catalogueText(NutrientCatalogue::info(result.item).name);
        typedText = Text8::toQString(input.more[std::size_t(result.item)]).trimmed();
    } else if (result.item >= 0 && std::size_t(result.item) < input.units.size()) {
        unitName = Text8::toQString(input.units[std::size_t(result.item)].name).trimmed();
        if (result.problem != Problem::UnitNameUsed)
            typedText = Text8::toQString(input.units[std::size_t(result.item)].amount).trimmed();
    }
    switch (result.problem) {
    case Problem::None:
        return {};
    case Problem::NoName:
        return tr("Give the food a name.");
    case Problem::NameNotPlain:
        return tr("A name cannot start with # or hold a tab.");
    case Problem::NameUsed:
        return tr("There is already a food called \u201c%1\u201d.").arg(m_name->text().trimmed());
    case Problem::ServingNotANumber:
        return tr("Type how many %1 the serving has.").arg(unit);
    case Problem::ServingNotAboveZero:
        return tr("A serving must have more than 0 %1.").arg(unit);
    case Problem::NutrientNotANumber:
    case Problem::MoreNotANumber:
        if (const QString comma = CoreText::thousandsProblem(typedText); !comma.isEmpty())
            return tr("%1: %2").arg(nutrient, comma);
        return tr("%1: \u201c%2\u201d is no number. Type it like 12.5, or leave the box empty.")
            .arg(nutrient, typedText);
    case Problem::NutrientNegative:
    case Problem::MoreNegative:
        return tr("%1 cannot be less than 0.").arg(nutrient);
    case Problem::UnitNoName:
        return tr("Give the unit of %1 %2 a name.").arg(typedText, unit);
    case Problem::UnitNotPlain:
        return tr("A unit's name cannot hold a tab.");
    case Problem::UnitNoAmount:
        return tr("Type how many %1 one \u201c%2\u201d has.").arg(unit, unitName);
    case Problem::UnitAmountNotANumber:
        if (const QString comma = CoreText::thousandsProblem(typedText); !comma.isEmpty())
            return tr("\u201c%1\u201d: %2").arg(unitName, comma);
        return tr("\u201c%1\u201d: \u201c%2\u201d is no number.").arg(unitName, typedText);
    case Problem::UnitAmountNotAboveZero:
        return tr("One \u201c%1\u201d must have more than 0 %2.").arg(unitName, unit);
    case Problem::UnitNameUsed:
        return tr("The unit \u201c%1\u201d is there already.").arg(unitName);
    case Problem::TooManyUnits:
        return tr("A food has ten units at most.");
    }
    return {};
}

QWidget *FoodForm::boxOf(const UserFoodInput::Result &result) const
{
    using Problem = UserFoodInput::Problem;
    switch (result.problem) {
    case Problem::NoName:
    case Problem::NameNotPlain:
    case Problem::NameUsed:
        return m_name;
    case Problem::ServingNotANumber:
    case Problem::ServingNotAboveZero:
        return m_serving;
    case Problem::NutrientNotANumber:
    case Problem::NutrientNegative:
        return m_nutrients[std::size_t(result.item)];
    case Problem::MoreNotANumber:
    case Problem::MoreNegative:
        return m_more[std::size_t(result.item)];
    case Problem::UnitNoName:
    case Problem::UnitNotPlain:
    case Problem::UnitNameUsed:
        return m_units[std::size_t(result.item)].name;
    case Problem::UnitNoAmount:
    case Problem::UnitAmountNotANumber:
    case Problem::UnitAmountNotAboveZero:
    case Problem::TooManyUnits:
        return m_units[std::size_t(result.item)].amount;
    case Problem::None:
        break;
    }
    return nullptr;
}

bool FoodForm::commit()
{
    const UserFoodInput input = typed();
    const UserFoodInput::Result result = input.makeFood(m_table, &m_database, m_editing);
    if (result.problem != UserFoodInput::Problem::None) {
        // Open, so that the box the problem points at can be seen.
        if (result.problem == UserFoodInput::Problem::MoreNotANumber ||
            result.problem == UserFoodInput::Problem::MoreNegative)
            m_moreButton->setChecked(true);
        showProblem(describe(result, input), boxOf(result));
        return false;
    }
    const QString failed = m_save(result.food);
    if (!failed.isEmpty()) {
        showProblem(failed);
        return false;
    }
    return true;
}

#include "moc_FoodForm.cpp"
