// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own foods and quick add, driven through the real main window: the forms opened
// from the food list's menu and the Food page's buttons, what the files then hold, the list and
// the day.
#include "MainWindowUnderTest.h"
#include "OpenForms.h"
#include "app/UndoOffer.h"
#include "calendar/CTimCalentar.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "food/FoodForm.h"
#include "food/FoodListActions.h"
#include "food/FoodListView.h"
#include "food/PortionEntry.h"
#include "food/QuickAddForm.h"
#include "layout/DialogLayout.h"
#include "meals/CElements.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <functional>

using namespace DialogLayout;

class TestOwnFoods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void newEditAndDeleteOwnFood();
    void quickAddLogsEnergy();
    void aFailedSaveIsSaidAndKeepsTheForm();

private:
    void trigger(int record, const QString &text);
    std::string myFoods() const;
    std::vector<MealEntry> dayEntries() const;
    FoodListView *list() const
    {
        return static_cast<FoodListView *>(m_window.dialog->control(FoodList));
    }

    MainWindowUnderTest m_window;
};

void TestOwnFoods::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestOwnFoods::cleanup()
{
    m_window.close();
}

void TestOwnFoods::trigger(int record, const QString &text)
{
    QMenu menu;
    m_window.dialog->foodActions()->fillMenu(menu, record);
    for (QAction *action : menu.actions()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no menu entry %1").arg(text)));
}

std::string TestOwnFoods::myFoods() const
{
    return FileIo::readAll(m_window.folder() / "myfoods.tsv").value_or(std::string());
}

std::vector<MealEntry> TestOwnFoods::dayEntries() const
{
    const auto bytes = FileIo::readAll(m_window.dialog->dayStrip()->SelectedDataPath(".db"));
    return MealRecord::Decode(bytes.value_or(std::string())).entries;
}

void TestOwnFoods::newEditAndDeleteOwnFood()
{
    QVERIFY(m_window.open(1));
    CCorvaloDlg &dialog = *m_window.dialog;
    const int shipped = dialog.foods().recordCount();

    // Nothing is saved while the form says what is wrong; then a porridge typed per bowl.
    whenOpen<FoodForm>([](FoodForm &form) {
        type(form.nameBox(), QStringLiteral("apples, RAW, with skin"));
        form.commitButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("There is already a food called \u201c"
                                "apples, RAW, with skin\u201d."));
        type(form.nameBox(), QStringLiteral("Porridge, my own"));
        form.basisChoice()->setCurrentIndex(1);
        type(form.servingBox(), QStringLiteral("250"));
        type(form.nutrientBox(Nutrient::Calories), QStringLiteral("300"));
        type(form.nutrientBox(Nutrient::Fat), QStringLiteral("five"));
        form.commitButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("Fat: \u201cfive\u201d is no number. Type it "
                                "like 12.5, or leave the box empty."));
        type(form.nutrientBox(Nutrient::Fat), QStringLiteral("1,000"));
        form.commitButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("Fat: the comma in \u201c1,000\u201d could be a thousands "
                                "separator or a decimal comma; type the number without it, or "
                                "with a point"));
        type(form.nutrientBox(Nutrient::Fat), QStringLiteral("5"));
        type(form.unitNameBox(0), QStringLiteral("bowl"));
        type(form.unitAmountBox(0), QStringLiteral("250"));
        QTest::keyClick(form.unitAmountBox(0), Qt::Key_Return);
    });
    trigger(-1, QStringLiteral("New food\u2026"));
    QVERIFY(
        myFoods().ends_with("\nPorridge, my own\tg\t120\t-\t2\t-\t-\t-\t-\t-\t-\t-\t250 bowl\n"));

    // Listed at once, marked, and chosen: Add logs a bowl.
    QCOMPARE(dialog.foods().recordCount(), shipped + 1);
    QVERIFY(dialog.portionEntry()->hasCurrentFood());
    QCOMPARE(dialog.portionEntry()->currentFood().name(), std::string_view("Porridge, my own"));
    const QModelIndex row = list()->model()->index(list()->selectedRow(), 0);
    QCOMPARE(row.data(Qt::ToolTipRole).toString(), QStringLiteral("Porridge, my own (own food)"));
    QVERIFY(!row.data(Qt::DecorationRole).isNull());
    QVERIFY(list()->model()->index(0, 0).data(Qt::DecorationRole).isNull());
    QCOMPARE(static_cast<QComboBox *>(dialog.control(UnitBox))->currentText(),
             QStringLiteral("bowl"));
    QTest::mouseClick(dialog.control(AddButton), Qt::LeftButton);
    QCOMPARE(dayEntries().size(), std::size_t(1));
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Calories), 300.0f);
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Fat), 5.0f);

    // Edited: the form shows it per 100 g; the day keeps what was logged.
    int porridge = -1;
    for (int i = 0; i < dialog.foods().recordCount(); ++i)
        if (dialog.foods().name(i) == "Porridge, my own")
            porridge = i;
    QVERIFY(dialog.foods().isUserFood(porridge));
    whenOpen<FoodForm>([](FoodForm &form) {
        QCOMPARE(form.nameBox()->text(), QStringLiteral("Porridge, my own"));
        QCOMPARE(form.nutrientBox(Nutrient::Calories)->text(), QStringLiteral("120"));
        QCOMPARE(form.unitAmountBox(0)->text(), QStringLiteral("250"));
        type(form.nutrientBox(Nutrient::Calories), QStringLiteral("80"));
        // The other nutrients wait, closed, under a button.
        QVERIFY(form.morePart()->isHidden());
        QTest::keyClick(form.moreButton(), Qt::Key_Space);
        QVERIFY(form.morePart()->isVisible());
        QCOMPARE(form.moreBox(NutrientId::VitaminC)->accessibleName(),
                 QStringLiteral("Vitamin C (mg)"));
        type(form.moreBox(NutrientId::VitaminC), QStringLiteral("12"));
        form.commitButton()->click();
    });
    trigger(porridge, QStringLiteral("Edit food\u2026"));
    QVERIFY(myFoods().ends_with("\nPorridge, my own\tg\t80\t-\t2\t-\t-\t-\t-\t-\t-\t-\t250 bowl\n"
                                "#+\tPorridge, my own\tvitamin_c=12\n"));
    QCOMPARE(dialog.foods().record(porridge).nutrients()[Nutrient::Calories], 0.8f);
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Calories), 300.0f);

    // Deleted after asking: gone from the list, and from the file but for what it was (#<) for
    // the days logged with it; the day keeps its entry. Its units and its preview go with it.
    auto *unitBox = static_cast<QComboBox *>(dialog.control(UnitBox));
    auto *panel = static_cast<CElements *>(dialog.control(NutrientPanel));
    QCOMPARE(unitBox->currentText(), QStringLiteral("bowl"));
    QCOMPARE(panel->previewMode(), CElements::PreviewAdd);
    const std::string kept = myFoods();
    whenOpen<SkinForm>([](SkinForm &confirm) { confirm.commitButton()->click(); });
    trigger(porridge, QStringLiteral("Delete food"));
    // Undo brings the file back byte for byte, and the food into the list.
    QVERIFY(dialog.undoOffer()->canUndo());
    dialog.undoOffer()->undo();
    QCOMPARE(myFoods(), kept);
    QCOMPARE(dialog.foods().userFoodCount(), 1);
    whenOpen<SkinForm>([](SkinForm &confirm) { confirm.commitButton()->click(); });
    trigger(porridge, QStringLiteral("Delete food"));
    QVERIFY(myFoods().find("\nPorridge") == std::string::npos &&
            myFoods().find("#+\tPorridge") == std::string::npos);
    QCOMPARE(dialog.foods().recordCount(), shipped);
    QCOMPARE(dialog.foods().userFoodCount(), 0);
    QVERIFY(!dialog.portionEntry()->hasCurrentFood());
    QCOMPARE(unitBox->count(), 0);
    QCOMPARE(panel->previewMode(), CElements::PreviewNone);
    QCOMPARE(dayEntries().size(), std::size_t(1));
    QCOMPARE(dayEntries()[0].name, std::string("Porridge, my own"));
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Calories), 300.0f);
    QCOMPARE(static_cast<CElements *>(dialog.control(NutrientPanel))->totals()[Nutrient::Calories],
             300.0f);
}

void TestOwnFoods::quickAddLogsEnergy()
{
    QVERIFY(m_window.open(1));
    CCorvaloDlg &dialog = *m_window.dialog;
    SkinButton *button = dialog.foodActions()->quickAddButton();
    QVERIFY(button->isVisible());
    whenOpen<QuickAddForm>([](QuickAddForm &form) {
        form.commitButton()->click();
        QCOMPARE(form.problem(), QStringLiteral("Type the calories."));
        type(form.box(Nutrient::Calories), QStringLiteral("450"));
        type(form.box(Nutrient::Protein), QStringLiteral("22.5"));
        form.commitButton()->click();
    });
    QTest::mouseClick(button, Qt::LeftButton);

    const std::vector<MealEntry> entries = dayEntries();
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries[0].name, std::string("Quick add"));
    QCOMPARE(entries[0].unit, std::string("serving"));
    QCOMPARE(entries[0].amount, 1.0f);
    QCOMPARE(entries[0].contribution(Nutrient::Calories), 450.0f);
    QCOMPARE(entries[0].contribution(Nutrient::Protein), 22.5f);
    const Nutrients &totals = static_cast<CElements *>(dialog.control(NutrientPanel))->totals();
    QCOMPARE(totals[Nutrient::Calories], 450.0f);
    QCOMPARE(totals[Nutrient::Protein], 22.5f);

    // The buttons go with the Food page.
    dialog.SwitchPage(3);
    QVERIFY(!button->isVisible());
}

void TestOwnFoods::aFailedSaveIsSaidAndKeepsTheForm()
{
    // A folder where the table should be: it can be neither read nor written over.
    QVERIFY(m_window.open(1, [](const std::filesystem::path &folder) {
        std::filesystem::create_directory(folder / "myfoods.tsv");
    }));
    const QString said = QStringLiteral(
        "Not opened: a folder, pipe or device sits where the file should be (myfoods.tsv)");
    m_window.dialog->foods(); // the foods, own ones included, are there
    QCOMPARE(m_window.dialog->noticeBar()->text(), said);
    whenOpen<FoodForm>([&said](FoodForm &form) {
        type(form.nameBox(), QStringLiteral("Flapjack"));
        form.commitButton()->click();
        QVERIFY(form.isVisible());
        QCOMPARE(form.problem(), said);
        QCOMPARE(form.nameBox()->text(), QStringLiteral("Flapjack"));
    });
    QTest::mouseClick(m_window.dialog->foodActions()->newFoodButton(), Qt::LeftButton);
    QVERIFY(std::filesystem::is_directory(m_window.folder() / "myfoods.tsv"));
    QCOMPARE(m_window.dialog->foods().userFoodCount(), 0);
}

QTEST_MAIN(TestOwnFoods)
#include "tst_ownfoods.moc"
