// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowUnderTest.h"
#include "food/NutrientCatalogue.h"
#include "food/Portion.h"
#include "layout/PageTable.h"
#include "meals/QuickAdd.h"
#include "nutrition/NutrientsPage.h"
#include "nutrition/TargetEditor.h"
#include "platform/TextCodec.h"
#include "store/DiarySettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

// The Nutrients page in the real window, on the shipped food data: an apple's vitamin C as the
// source archive gives it (4.6 mg per 100 g, 52 kcal), what a quick add does to how much is
// known, and the foods that gave a nutrient.
class TestNutrientsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void anAppleAndAQuickAdd();
    void ownTargets();

private:
    MainWindowUnderTest m_window;
};

namespace {

QTreeWidgetItem *rowOf(QTreeWidget *tree, int id)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).isValid() && (*it)->data(0, Qt::UserRole).toInt() == id)
            return *it;
    return nullptr;
}

} // namespace

void TestNutrientsPage::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestNutrientsPage::anAppleAndAQuickAdd()
{
    QVERIFY(m_window.open(PageTable::Nutrients));
    CCorvaloDlg &dialog = *m_window.dialog;
    const FoodDatabase &foods = dialog.foods();
    int apple = -1;
    for (int i = 0; i < foods.recordCount() && apple < 0; ++i)
        if (foods.name(i) == "Apples, raw, with skin")
            apple = i;
    QVERIFY(apple >= 0);
    const FoodRecord record = foods.record(apple);
    const FoodUnits units = record.units();
    int medium = -1;
    for (int i = 0; i < units.count; ++i)
        if (TextCodec::ToUtf8(units.items[std::size_t(i)].name).starts_with("medium"))
            medium = i;
    QVERIFY(medium >= 0);
    QCOMPARE(units.items[std::size_t(medium)].factor, 182.0f);
    const DayFiles::LocalDate today {5, 12, 2026};
    QVERIFY(
        dialog.store()
            .AppendMeal(
                today, Portion::MakeEntry(record.name(), record.nutrients(), 182.0f, 1.0, "medium"))
            .ok());
    dialog.LoadDay();

    auto *page = static_cast<NutrientsPage *>(dialog.control(PageTable::NutrientsPageWindow));
    QTreeWidget *tree = page->nutrientTree();
    QTreeWidgetItem *vitaminC = rowOf(tree, NutrientId::VitaminC);
    QVERIFY(vitaminC);
    QCOMPARE(vitaminC->text(1), QStringLiteral("8.37 mg")); // 182 g x 4.6 mg / 100 g
    QCOMPARE(vitaminC->text(4), QStringLiteral("100 %"));
    QCOMPARE(rowOf(tree, NutrientId::Energy)->text(1), QStringLiteral("94.6 kcal")); // 182 x 0.52

    // 100 kcal that know nothing else: vitamin C is known for 94.64 of 194.64 kcal.
    QVERIFY(dialog.store().AppendMeal(today, *QuickAdd::MakeEntry({100.0})).ok());
    dialog.LoadDay();
    vitaminC = rowOf(tree, NutrientId::VitaminC);
    QCOMPARE(vitaminC->text(1), QStringLiteral("8.37 mg"));
    QCOMPARE(vitaminC->text(4), QStringLiteral("49 %"));

    tree->setCurrentItem(rowOf(tree, NutrientId::Energy));
    QTreeWidget *sources = page->sourceList();
    QCOMPARE(sources->topLevelItemCount(), 2);
    QCOMPARE(sources->topLevelItem(0)->text(0), QStringLiteral("Quick add"));
    QCOMPARE(sources->topLevelItem(1)->text(0), QStringLiteral("Apples, raw, with skin"));

    // Over the 7 days to this one, one of them logged.
    page->periodBox()->setCurrentIndex(int(NutrientsPage::Period::Week));
    QCOMPARE(page->loggedText(), QStringLiteral("1 of 7 days logged, average per logged day"));
    QCOMPARE(rowOf(tree, NutrientId::VitaminC)->text(1), QStringLiteral("8.37 mg"));
}

// A target typed, cleared and set back on the page is what the diary's settings keep, and what the
// bar is measured against. Runs on the apple of the day before.
void TestNutrientsPage::ownTargets()
{
    CCorvaloDlg &dialog = *m_window.dialog;
    auto *page = static_cast<NutrientsPage *>(dialog.control(PageTable::NutrientsPageWindow));
    page->setPeriod(NutrientsPage::Period::Day);
    page->setProfile(ReferenceIntakes::Profile {ReferenceIntakes::Sex::Female, 30});
    QTreeWidget *tree = page->nutrientTree();
    QTest::keyClicks(tree, QStringLiteral("vitamin c")); // found by typing its name
    QCOMPARE(tree->currentItem(), rowOf(tree, NutrientId::VitaminC));
    QLineEdit *box = page->targetEditor()->box();
    QCOMPARE(box->text(), QStringLiteral("75"));
    const auto stored = [&dialog]() {
        DiarySettings settings;
        (void)settings.load(DiarySettings::FileIn(dialog.store().rootDirectory()));
        return settings.value("Targets/vitamin_c");
    };

    box->setText(QStringLiteral("120"));
    emit box->editingFinished();
    QCOMPARE(rowOf(tree, NutrientId::VitaminC)->text(2), QStringLiteral("7 % of 120 mg"));
    QCOMPARE(stored(), std::optional<std::string>("120"));

    box->setText(QStringLiteral("lots")); // refused, nothing changes
    emit box->editingFinished();
    QCOMPARE(box->text(), QStringLiteral("120"));
    QCOMPARE(stored(), std::optional<std::string>("120"));

    box->clear();
    emit box->editingFinished();
    QCOMPARE(rowOf(tree, NutrientId::VitaminC)->text(2), QString());
    QCOMPARE(stored(), std::optional<std::string>("none"));

    page->targetEditor()->defaultButton()->click();
    QCOMPARE(rowOf(tree, NutrientId::VitaminC)->text(2), QStringLiteral("11 % of 75 mg"));
    QCOMPARE(stored(), std::nullopt);
}

QTEST_MAIN(TestNutrientsPage)
#include "tst_nutrientspage.moc"
