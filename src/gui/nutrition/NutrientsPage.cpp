// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/NutrientsPage.h"

#include "food/FoodDatabase.h"
#include "food/NutrientCatalogue.h"
#include "food/NutrientData.h"
#include "food/UserFoodTable.h"
#include "meals/ShownMeal.h"
#include "nutrition/NutrientBarDelegate.h"
#include "nutrition/NutrientLookup.h"
#include "nutrition/PeriodNutrition.h"
#include "nutrition/TargetEditor.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <cmath>

namespace {

const QRect kPanel(12, 10, 614, 362);
constexpr qreal kNutrientsPanelRadius = 8;
constexpr int kLeft = 24;
constexpr int kListWidth = 590;

enum Column { NameColumn, AmountColumn, TargetColumn, LimitColumn, KnownColumn, ColumnCount };

QString nutrientName(const NutrientInfo &info)
{
    return QCoreApplication::translate("NutrientCatalogue", std::string(info.name).c_str());
}

QString unitText(const NutrientInfo &info)
{
    return QString::fromUtf8(info.unit.data(), qsizetype(info.unit.size()));
}

// Three figures at most where they mean something: 1,820 kcal, 67.2 g, 0.35 mg.
QString amountText(double value, const NutrientInfo &info)
{
    const double magnitude = std::fabs(value);
    const int decimals = magnitude >= 100.0 || magnitude == 0.0 ? 0 : magnitude >= 10.0 ? 1 : 2;
    return QLocale().toString(value, 'f', decimals) + QLatin1Char(' ') + unitText(info);
}

// Targets and limits as published: 75 mg, 1.1 g, 2.4 µg.
QString referenceText(double value, const NutrientInfo &info)
{
    return QLocale().toString(value, 'g', 6) + QLatin1Char(' ') + unitText(info);
}

QDate qDate(const DayFiles::LocalDate &day)
{
    return {day.year, day.month, day.day};
}

DayFiles::LocalDate localDate(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

} // namespace

NutrientsPage::NutrientsPage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QFont titleFont = skinFont(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont labelFont = skinFont(QStringLiteral("Arial"), 10, QFont::Bold);
    m_texts.add(QRect(kLeft, kPanel.top() + 8, 110, 22), tr("Nutrients"), titleFont,
                SkinColors::Text);

    m_period = new QComboBox(this);
    m_period->setGeometry(130, kPanel.top() + 8, 150, 22);
    m_period->addItems({tr("This day"), tr("The strip's 29 days"), tr("7 days to this day"),
                        tr("This month"), tr("Range")});
    m_period->setAccessibleName(tr("Period"));
    connect(m_period, &QComboBox::currentIndexChanged, this, &NutrientsPage::periodChosen);

    m_from = new QDateEdit(this);
    m_to = new QDateEdit(this);
    m_from->setGeometry(288, kPanel.top() + 8, 100, 22);
    m_to->setGeometry(394, kPanel.top() + 8, 100, 22);
    m_from->setAccessibleName(tr("From"));
    m_to->setAccessibleName(tr("To"));
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->hide();
        connect(edit, &QDateEdit::dateChanged, this, &NutrientsPage::UpdatePage);
    }

    m_logged = new QLabel(this);
    m_logged->setGeometry(288, kPanel.top() + 8, kPanel.right() - 12 - 288, 22);
    m_logged->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_logged->setFont(labelFont);
    m_logged->setStyleSheet(
        QStringLiteral("color: %1;").arg(QColor::fromRgba(SkinColors::Text).name()));

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("nutrientTree"));
    m_tree->setGeometry(kLeft - 4, kPanel.top() + 38, kListWidth + 4, 232);
    m_tree->setColumnCount(ColumnCount);
    m_tree->setHeaderLabels(
        {tr("Nutrient"), tr("Amount"), tr("Target"), tr("Upper limit"), tr("Known for")});
    m_tree->headerItem()->setToolTip(
        TargetColumn,
        tr("For the person chosen under \u201cNutrient targets for\u201d in the "
           "Settings, by the %1; or your own, set below the list")
            .arg(QString::fromUtf8(ReferenceIntakes::Source.data(),
                                   qsizetype(ReferenceIntakes::Source.size()))));
    m_tree->headerItem()->setToolTip(KnownColumn,
                                     tr("The share of the calories from foods whose data gives "
                                        "this nutrient"));
    m_tree->setAccessibleName(tr("Nutrients"));
    // Nutrients under their group's heading, always open: indented without a text prefix, so
    // that typing a name finds it and a screen reader hears the groups.
    m_tree->setRootIsDecorated(false);
    m_tree->setIndentation(14);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setItemDelegateForColumn(TargetColumn, new NutrientBarDelegate(m_tree));
    QHeaderView *header = m_tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (const auto &[column, width] :
         {std::pair {AmountColumn, 88}, {TargetColumn, 146}, {LimitColumn, 86}, {KnownColumn, 80}})
        header->resizeSection(column, width);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this]() {
        showSources();
        showTarget();
    });

    m_sourcesTitle = new QLabel(this);
    m_sourcesTitle->setGeometry(kLeft, kPanel.top() + 274, kListWidth - 270, 22);
    m_sourcesTitle->setFont(labelFont);
    m_sourcesTitle->setStyleSheet(m_logged->styleSheet());
    // Made before the foods' list: Tab goes from a nutrient to its target.
    m_targetEditor = new TargetEditor(this);
    m_targetEditor->setGeometry(kLeft + kListWidth - 260, kPanel.top() + 274, 260, 22);
    connect(m_targetEditor, &TargetEditor::targetChosen, this,
            [this](int id, std::optional<double> target) {
                m_targets.set(id, target);
                fillTree();
                emit targetChanged(m_targets, id);
            });
    connect(m_targetEditor, &TargetEditor::targetReset, this, [this](int id) {
        m_targets.reset(id);
        fillTree();
        emit targetChanged(m_targets, id);
    });
    m_sources = new QTreeWidget(this);
    m_sources->setObjectName(QStringLiteral("nutrientSources"));
    m_sources->setGeometry(kLeft - 4, kPanel.top() + 298, kListWidth + 4, 56);
    m_sources->setColumnCount(2);
    m_sources->setHeaderHidden(true);
    m_sources->setRootIsDecorated(false);
    m_sources->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_sources->header()->setStretchLastSection(false);
    m_sources->header()->resizeSection(1, 110);
    m_sources->setAccessibleName(tr("Foods that gave the nutrient"));
}

NutrientsPage::~NutrientsPage() = default;

void NutrientsPage::setSources(Foods foods, const NutrientData *data, const DayStore *store)
{
    m_foods = std::move(foods);
    m_data = data;
    m_store = store;
}

void NutrientsPage::setProfile(const std::optional<ReferenceIntakes::Profile> &profile)
{
    m_profile = profile;
    fillTree();
}

void NutrientsPage::setTargets(const PersonalTargets &targets)
{
    m_targets = targets;
    fillTree();
}

int NutrientsPage::currentNutrient() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item && item->data(0, Qt::UserRole).isValid() ? item->data(0, Qt::UserRole).toInt() : -1;
}

void NutrientsPage::showTarget()
{
    m_targetEditor->setNutrient(currentNutrient(), m_targets, m_profile);
}

void NutrientsPage::setPeriod(Period period)
{
    m_period->setCurrentIndex(int(period));
}

void NutrientsPage::periodChosen()
{
    const bool range = Period(m_period->currentIndex()) == Period::Range;
    if (range) {
        // The range starts as the strip's days, for the user to move.
        const QSignalBlocker quietFrom(m_from), quietTo(m_to);
        const QDate selected = qDate(m_days->selectedDay());
        m_from->setDate(selected.addDays(-27));
        m_to->setDate(selected);
    }
    m_from->setVisible(range);
    m_to->setVisible(range);
    m_logged->setGeometry(range ? 500 : 288, kPanel.top() + 8,
                          kPanel.right() - 12 - (range ? 500 : 288), 22);
    UpdatePage();
}

NutrientsPage::Run NutrientsPage::run() const
{
    const DayFiles::LocalDate day = m_days->selectedDay();
    const QDate selected = qDate(day);
    switch (Period(m_period->currentIndex())) {
    case Period::Day:
        return {day, 1};
    case Period::Strip:
        return {DayFiles::LocalDateOf(m_days->m_firstDay), m_days->m_dayCount};
    case Period::Week:
        return {localDate(selected.addDays(-6)), 7};
    case Period::Month:
        return {{1, day.month, day.year}, selected.daysInMonth()};
    case Period::Range:
        break;
    }
    const QDate from = std::min(m_from->date(), m_to->date());
    const QDate to = std::max(m_from->date(), m_to->date());
    // Ten years at most: far more than anyone reads at once.
    return {localDate(from), int(std::min<qint64>(from.daysTo(to) + 1, 3653))};
}

void NutrientsPage::UpdatePage()
{
    m_stale = true;
    if (!isVisible() || !m_foods || !m_data || !m_store || m_days->m_year == 0)
        return;
    m_stale = false;
    const NutrientLookup lookup = diaryLookup();
    const Run shown = run();
    m_shown = std::make_unique<PeriodNutrition>(
        shown.first, shown.days,
        [this](const DayFiles::LocalDate &day) { return m_store->LoadMeals(day).entries; }, lookup);
    fillTree();
}

NutrientLookup NutrientsPage::diaryLookup() const
{
    const FoodDatabase &foods = m_foods(); // first: it also readies the nutrient data
    NutrientLookup lookup(foods, *m_data);
    // The own foods' nutrients beyond the ten, as the file holds them now.
    UserFoodTable ownFoods;
    (void)ownFoods.load(m_store->OwnFoodsFile());
    lookup.setOwnFoods(NutrientLookup::ownFoodsOf(ownFoods));
    RecipeBook recipes;
    (void)recipes.load(m_store->RecipesFile());
    lookup.setRecipes(recipes);
    return lookup;
}

QString NutrientsPage::loggedText() const
{
    return m_logged->text();
}

void NutrientsPage::fillTree()
{
    if (!m_shown)
        return;
    const NutrientTotals &totals = m_shown->totals();
    const bool oneDay = m_shown->dayCount() == 1;
    m_logged->setText(!oneDay ? tr("%1 of %2 days logged, average per logged day")
                                    .arg(totals.loggedDays())
                                    .arg(m_shown->dayCount())
                          : m_profile ? QString()
                                      : tr("Targets: choose whom for in the Settings"));

    const int current = currentNutrient() >= 0 ? currentNutrient() : int(NutrientId::Energy);
    const QSignalBlocker quiet(m_tree);
    m_tree->clear();
    for (int group = 0; group < int(NutrientGroup::Count); ++group) {
        auto *heading = new QTreeWidgetItem(m_tree);
        heading->setText(
            NameColumn,
            QCoreApplication::translate(
                "NutrientCatalogue",
                std::string(NutrientCatalogue::groupName(NutrientGroup(group))).c_str()));
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = heading->font(NameColumn);
        bold.setBold(true);
        heading->setFont(NameColumn, bold);
        heading->setFirstColumnSpanned(true);
        for (const NutrientInfo &info : NutrientCatalogue::all()) {
            if (int(info.group) != group)
                continue;
            auto *row = new QTreeWidgetItem(heading);
            row->setData(0, Qt::UserRole, info.id);
            row->setText(NameColumn, nutrientName(info));
            const std::optional<double> amount =
                oneDay ? totals.amount(info.id) : totals.perDay(info.id);
            row->setText(AmountColumn, amount ? amountText(*amount, info) : tr("unknown"));
            row->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
            const ReferenceIntakes::Intake intake = m_targets.intake(m_profile, info.id);
            if (intake.target) {
                const double share = amount ? *amount / *intake.target : 0.0;
                row->setData(TargetColumn, NutrientBarDelegate::ShareRole, share);
                row->setText(TargetColumn,
                             tr("%1 % of %2")
                                 .arg(std::lround(share * 100.0))
                                 .arg(referenceText(*intake.target, info)));
            }
            if (intake.limit) {
                const bool applies = intake.limitAppliesToFood;
                row->setText(LimitColumn,
                             referenceText(*intake.limit, info) +
                                 (applies ? QString() : QStringLiteral("*")));
                row->setTextAlignment(LimitColumn, Qt::AlignRight | Qt::AlignVCenter);
                if (!applies) {
                    row->setData(
                        LimitColumn, Qt::AccessibleTextRole,
                        tr("%1, not held against food").arg(referenceText(*intake.limit, info)));
                    row->setToolTip(
                        LimitColumn,
                        tr("Not held against food: %1")
                            .arg(QString::fromUtf8(intake.limitNote.data(),
                                                   qsizetype(intake.limitNote.size()))));
                } else if (amount && *amount > *intake.limit) {
                    row->setForeground(LimitColumn, QColor::fromRgba(SkinColors::SelectionRed));
                }
            }
            if (totals.entryCount() > 0) {
                const int known = int(std::lround(totals.coverage(info.id) * 100.0));
                row->setText(KnownColumn, QStringLiteral("%1 %").arg(known));
                row->setTextAlignment(KnownColumn, Qt::AlignRight | Qt::AlignVCenter);
                row->setToolTip(KnownColumn,
                                tr("Known for foods giving %1 % of the calories").arg(known));
            }
            if (info.id == current)
                m_tree->setCurrentItem(row);
        }
    }
    m_tree->expandAll();
    showSources();
    showTarget();
}

void NutrientsPage::showSources()
{
    m_sources->clear();
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (!m_shown || !item || !item->data(0, Qt::UserRole).isValid()) {
        m_sourcesTitle->clear();
        return;
    }
    const NutrientInfo &info = NutrientCatalogue::info(item->data(0, Qt::UserRole).toInt());
    const int days = std::max(m_shown->totals().loggedDays(), 1);
    m_sourcesTitle->setText(m_shown->dayCount() == 1
                                ? tr("Foods that gave %1").arg(nutrientName(info))
                                : tr("Foods that gave %1, per logged day").arg(nutrientName(info)));
    for (const PeriodNutrition::FoodShare &share : m_shown->sources(info.id)) {
        auto *row = new QTreeWidgetItem(m_sources);
        row->setText(0, ShownMeal::foodName(share.name));
        row->setText(1, amountText(share.amount / days, info));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void NutrientsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        UpdatePage();
}

void NutrientsPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::PanelFrostEdge), 1));
    painter.setBrush(QColor::fromRgba(SkinColors::PanelFrost));
    painter.drawRoundedRect(QRectF(kPanel).adjusted(0.5, 0.5, -0.5, -0.5), kNutrientsPanelRadius,
                            kNutrientsPanelRadius);
    m_texts.paint(painter);
}

#include "moc_NutrientsPage.cpp"
