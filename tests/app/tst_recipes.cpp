// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes in the window, driven through the real main window: found, marked and logged from the
// food list, and followed when another writer changes the recipe file.
#include "MainWindowUnderTest.h"
#include "OpenForms.h"
#include "app/RecipeActions.h"
#include "calendar/CTimCalentar.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "food/FoodListActions.h"
#include "food/FoodListView.h"
#include "food/FoodPicker.h"
#include "food/RecipeForm.h"
#include "food/RecipeSaveForm.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"
#include "recipes/RecipeBook.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <functional>

using namespace DialogLayout;

namespace {

// Per serving: (80 g oats at 380 kcal + 200 g milk at 64 kcal per 100 g) / 2 = 216 kcal.
constexpr const char *kPorridge = "Porridge pot\t2026-12-01\t2\t-\t"
                                  "Oats\t1\tcup\t80\t380\t-\t-\t-\t-\t-\t-\t-\t-\t-\t"
                                  "Milk\t200\tg\t1\t64\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";

MealEntry logged(const char *name, float kcalPerGram, float gramsPerUnit, float amount,
                 const char *unit)
{
    MealEntry entry;
    entry.name = name;
    entry.nutrients[Nutrient::Calories] = kcalPerGram;
    entry.gramsPerUnit = gramsPerUnit;
    entry.amount = amount;
    entry.unit = unit;
    return entry;
}

} // namespace

class TestRecipes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup() { m_window.close(); }
    void aRecipeIsFoundMarkedLoggedAndFollowed();
    void tickedMealsAreSavedAsARecipe();
    void aLoggedRecipeIsSplitIntoItsIngredients();
    void aRecipeIsMadeInTheFormFromFoundFoods();
    void anEditedRecipeIsANewDefinitionFromToday();

private:
    void trigger(const QString &text)
    {
        QMenu menu;
        m_window.dialog->findChild<RecipeActions *>()->fillMenu(menu);
        for (QAction *action : menu.actions())
            if (action->text() == text)
                return action->trigger();
        QFAIL(qPrintable(QStringLiteral("no menu entry %1").arg(text)));
    }
    void triggerFoodMenu(int record, const QString &text)
    {
        QMenu menu;
        m_window.dialog->foodActions()->fillMenu(menu, record);
        for (QAction *action : menu.actions())
            if (action->text() == text)
                return action->trigger();
        QFAIL(qPrintable(QStringLiteral("no food list entry %1").arg(text)));
    }
    template<typename T> T *control(int id) const
    {
        return static_cast<T *>(m_window.dialog->control(id));
    }
    QModelIndex row(const QString &name) const
    {
        const QAbstractItemModel *model = control<FoodListView>(FoodList)->model();
        for (int i = 0; i < model->rowCount(); ++i)
            if (model->index(i, 0).data().toString() == name)
                return model->index(i, 0);
        return {};
    }
    std::vector<MealEntry> dayEntries() const
    {
        const auto bytes = FileIo::readAll(m_window.dialog->dayStrip()->SelectedDataPath(".db"));
        return MealRecord::Decode(bytes.value_or(std::string())).entries;
    }

    MainWindowUnderTest m_window;
};

void TestRecipes::aRecipeIsFoundMarkedLoggedAndFollowed()
{
    const auto recipes = [this] {
        return m_window.folder() / "recipes.tsv";
    };
    QVERIFY(m_window.open(1, [&](const std::filesystem::path &) {
        QVERIFY(FileIo::writeAtomically(recipes(), std::string(kPorridge) + "Stew\tsoon\n"));
    }));
    CCorvaloDlg &dialog = *m_window.dialog;
    QVERIFY(dialog.noticeBar()->hasNotice(QStringLiteral("recipes")));
    QVERIFY(dialog.noticeBar()->text().startsWith(QStringLiteral("Skipped line 2 of recipes.tsv")));

    QTest::keyClicks(control<QLineEdit>(SearchBox), QStringLiteral("porridge pot"));
    const QModelIndex porridge = row(QStringLiteral("Porridge pot"));
    QVERIFY(porridge.isValid());
    QCOMPARE(porridge.data(Qt::ToolTipRole).toString(), QStringLiteral("Porridge pot (recipe)"));
    QCOMPARE(porridge.data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Porridge pot (recipe)"));
    QVERIFY(!porridge.data(Qt::DecorationRole).isNull());

    auto *list = control<FoodListView>(FoodList);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(porridge).center());
    auto *units = control<QComboBox>(UnitBox);
    // The list's own order for a food measured by weight: oz before g.
    QStringList offered;
    for (int i = 0; i < units->count(); ++i)
        offered << units->itemText(i);
    QCOMPARE(offered.join(u'|'), QStringLiteral("serving|whole recipe|oz|g"));
    units->setCurrentIndex(0);
    auto *amount = control<QLineEdit>(AmountBox);
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("1.5"));
    QTest::mouseClick(dialog.control(AddButton), Qt::LeftButton);
    QCOMPARE(dayEntries().size(), std::size_t(1));
    QCOMPARE(dayEntries()[0].name, std::string("Porridge pot"));
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Calories), 324.0f);

    // The command line saves another recipe: listed within a second.
    QVERIFY(FileIo::writeAtomically(
        recipes(),
        std::string(kPorridge) +
            "Tea pot\t2026-12-02\t4\t-\tMilk\t100\tg\t1\t64\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"));
    control<QLineEdit>(SearchBox)->clear();
    QTest::keyClicks(control<QLineEdit>(SearchBox), QStringLiteral("tea pot"));
    QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Tea pot")).isValid(), 3000);
    QCOMPARE(row(QStringLiteral("Tea pot")).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Tea pot (recipe)"));
}

void TestRecipes::tickedMealsAreSavedAsARecipe()
{
    QVERIFY(m_window.open(1));
    CCorvaloDlg &dialog = *m_window.dialog;
    auto *meals = control<CMealsList>(MealList);
    // 2 slices of 30 g toast at 270 kcal per 100 g; 10 g butter at 720; 1 tea, not ticked.
    meals->AppendMeals({logged("Toast", 2.7f, 30.0f, 2.0f, "slice"),
                        logged("Butter", 7.2f, 1.0f, 10.0f, "g"),
                        logged("Tea", 0.01f, 240.0f, 1.0f, "cup")});
    const_cast<MealEntry &>(meals->entries()[0]).ticked = true;
    const_cast<MealEntry &>(meals->entries()[1]).ticked = true;

    // What is wrong is said in the form, which stays open; then two servings are saved. The
    // file leaves out the values the meals do not give.
    whenOpen<RecipeSaveForm>([](RecipeSaveForm &form) {
        type(form.nameBox(), QStringLiteral("Apples, raw, with skin"));
        form.commitButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("There is already a food called \u201cApples, raw, with "
                                "skin\u201d. Give the recipe another name."));
        type(form.servingsBox(), QStringLiteral("0"));
        form.commitButton()->click();
        QCOMPARE(form.problem(), QStringLiteral("The servings must be more than 0."));
        type(form.nameBox(), QStringLiteral("Buttered toast"));
        type(form.servingsBox(), QStringLiteral("2"));
        form.commitButton()->click();
        QVERIFY(!form.isVisible());
    });
    trigger(QStringLiteral("Save ticked meals as a recipe\u2026"));
    QCOMPARE(QString::fromStdString(
                 FileIo::readAll(m_window.folder() / "recipes.tsv").value_or(std::string()))
                 .section(u'\n', -2, -2),
             QStringLiteral("Buttered toast\t2026-12-05\t2\t-\t"
                            "Toast\t2\tslice\t30\t270\t-\t-\t-\t-\t-\t-\t-\t-\t-\t"
                            "Butter\t10\tg\t1\t720\t-\t-\t-\t-\t-\t-\t-\t-\t-"));
    QCOMPARE(dialog.noticeBar()->text(), QStringLiteral("Saved recipe \u201cButtered toast\u201d"));
    // Listed at once, as a recipe.
    QTest::keyClicks(control<QLineEdit>(SearchBox), QStringLiteral("buttered toast"));
    QVERIFY(row(QStringLiteral("Buttered toast")).isValid());
    QCOMPARE(row(QStringLiteral("Buttered toast")).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Buttered toast (recipe)"));
}

void TestRecipes::aLoggedRecipeIsSplitIntoItsIngredients()
{
    QVERIFY(m_window.open(1, [this](const std::filesystem::path &) {
        QVERIFY(FileIo::writeAtomically(m_window.folder() / "recipes.tsv", kPorridge));
    }));
    auto *meals = control<CMealsList>(MealList);
    // One serving of 140 g, then a tea that must stay where it is.
    MealEntry serving = logged("Porridge pot", 432.0f / 280.0f, 140.0f, 1.0f, "serving");
    meals->AppendMeals({logged("Tea", 0.01f, 240.0f, 1.0f, "cup"), serving,
                        logged("Jam", 2.5f, 20.0f, 1.0f, "tbsp")});
    meals->setCurrentRow(1);
    // Half of each ingredient: 0.5 cup of oats (152 kcal) and 100 g of milk (64 kcal).
    trigger(QStringLiteral("Split into ingredients"));
    const std::vector<MealEntry> day = dayEntries();
    QCOMPARE(day.size(), std::size_t(4));
    QCOMPARE(day[0].name, std::string("Tea"));
    QCOMPARE(day[1].name, std::string("Oats"));
    QCOMPARE(day[1].amount, 0.5f);
    QCOMPARE(day[1].unit, std::string("cup"));
    QCOMPARE(qRound(day[1].contribution(Nutrient::Calories) * 100), 15200);
    QCOMPARE(day[2].name, std::string("Milk"));
    QCOMPARE(day[2].amount, 100.0f);
    QCOMPARE(qRound(day[2].contribution(Nutrient::Calories) * 100), 6400);
    QCOMPARE(day[3].name, std::string("Jam"));
    QCOMPARE(meals->count(), 4);
    // An ingredient is no recipe: nothing to split.
    meals->setCurrentRow(1);
    QMenu menu;
    m_window.dialog->findChild<RecipeActions *>()->fillMenu(menu);
    for (QAction *action : menu.actions())
        QVERIFY(action->text() != QStringLiteral("Split into ingredients"));
}

namespace {

// Finds the food in the form's list and gives it that amount of the unit.
void chooseInForm(RecipeForm &form, const QString &search, const QString &food, const QString &unit,
                  const QString &amount)
{
    type(form.picker()->searchBox(), search);
    const QAbstractItemModel *model = form.picker()->list()->model();
    int found = -1;
    for (int i = 0; i < model->rowCount(); ++i)
        if (model->index(i, 0).data().toString() == food)
            found = i;
    QVERIFY2(found >= 0, qPrintable(food));
    form.picker()->list()->chooseRow(found);
    form.picker()->unitBox()->setCurrentIndex(form.picker()->unitBox()->findText(unit));
    QVERIFY(form.picker()->unitBox()->currentIndex() >= 0);
    type(form.picker()->amountBox(), amount);
}

std::string recipeFile(const std::filesystem::path &folder)
{
    return FileIo::readAll(folder / "recipes.tsv").value_or(std::string());
}

} // namespace

void TestRecipes::aRecipeIsMadeInTheFormFromFoundFoods()
{
    QVERIFY(m_window.open(1));
    const std::filesystem::path folder = m_window.folder();
    whenOpen<RecipeForm>([&folder](RecipeForm &form) {
        type(form.nameBox(), QStringLiteral("Oat apple"));
        // Half a cup of oats, 78 g at 389 kcal and 16.89 g protein per 100 g: 303.42 kcal,
        // 13.1742 g; a medium apple, 182 g at 52 kcal and 0.26 g: 94.64 kcal, 0.4732 g.
        chooseInForm(form, QStringLiteral("oats"), QStringLiteral("Oats"), QStringLiteral("cup"),
                     QStringLiteral("0.5"));
        form.picker()->addButton()->click();
        chooseInForm(form, QStringLiteral("apples raw skin"),
                     QStringLiteral("Apples, raw, with skin"), QStringLiteral("medium (3\" dia)"),
                     QStringLiteral("1"));
        form.picker()->amountBox()->setFocus();
        QTest::keyClick(form.picker()->amountBox(), Qt::Key_Return);
        QCOMPARE(form.ingredientCount(), 2);
        QCOMPARE(form.perServingText(Nutrient::Calories), QStringLiteral("398 kcal"));
        // A serving is half from the moment the box says so.
        type(form.servingsBox(), QStringLiteral("2"));
        QCOMPARE(form.perServingText(Nutrient::Calories), QStringLiteral("199 kcal"));
        QCOMPARE(form.perServingText(Nutrient::Protein), QStringLiteral("6.8 g"));
        QCOMPARE(form.cookedBox()->placeholderText(), QStringLiteral("260"));

        // Said in the form, which stays open, and nothing is written.
        type(form.servingsBox(), QStringLiteral("0"));
        form.commitButton()->click();
        QCOMPARE(form.problem(), QStringLiteral("The servings must be more than 0."));
        QVERIFY(form.isVisible());
        QVERIFY(!std::filesystem::exists(folder / "recipes.tsv"));

        type(form.servingsBox(), QStringLiteral("2"));
        form.commitButton()->click();
        QVERIFY(!form.isVisible());
    });
    triggerFoodMenu(-1, QStringLiteral("New recipe\u2026"));
    RecipeBook book;
    book.parse(recipeFile(folder));
    const Recipe *saved = book.find("Oat apple");
    QVERIFY(saved);
    QCOMPARE(saved->ingredients.size(), std::size_t(2));
    QCOMPARE(qRound(saved->perServing()[Nutrient::Calories] * 100), 19903);
    // Listed and chosen at once, as a recipe.
    auto *list = control<FoodListView>(FoodList);
    const QModelIndex listed = list->model()->index(list->selectedRow(), 0);
    QCOMPARE(listed.data(Qt::ToolTipRole).toString(), QStringLiteral("Oat apple (recipe)"));
}

void TestRecipes::anEditedRecipeIsANewDefinitionFromToday()
{
    QVERIFY(m_window.open(1, [this](const std::filesystem::path &) {
        QVERIFY(FileIo::writeAtomically(m_window.folder() / "recipes.tsv", kPorridge));
    }));
    QTest::keyClicks(control<QLineEdit>(SearchBox), QStringLiteral("porridge"));
    int record = -1;
    const FoodDatabase &foods = m_window.dialog->foods();
    for (int i = 0; i < foods.recordCount(); ++i)
        if (foods.name(i) == "Porridge pot")
            record = i;
    QVERIFY(record >= 0);
    whenOpen<RecipeForm>([](RecipeForm &form) {
        QCOMPARE(form.nameBox()->text(), QStringLiteral("Porridge pot"));
        QCOMPARE(form.ingredientCount(), 2);
        QCOMPARE(form.ingredientAmountBox(0)->text(), QStringLiteral("1"));
        QCOMPARE(form.ingredientUnitBox(0)->currentText(), QStringLiteral("cup"));
        QCOMPARE(form.perServingText(Nutrient::Calories), QStringLiteral("216 kcal"));
        // A recipe cannot hold itself.
        chooseInForm(form, QStringLiteral("porridge pot"), QStringLiteral("Porridge pot"),
                     QStringLiteral("serving"), QStringLiteral("1"));
        form.picker()->addButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("A recipe cannot contain itself: Porridge pot > Porridge pot."));
        QCOMPARE(form.ingredientCount(), 2);
        // Without the milk, in four servings: 304 / 4 = 76 kcal.
        form.removeButton(1)->click();
        type(form.servingsBox(), QStringLiteral("4"));
        QCOMPARE(form.perServingText(Nutrient::Calories), QStringLiteral("76 kcal"));
        form.commitButton()->click();
        QVERIFY(!form.isVisible());
    });
    triggerFoodMenu(record, QStringLiteral("Edit recipe\u2026"));
    // The old definition stays for the days before.
    QCOMPARE(QString::fromStdString(recipeFile(m_window.folder())),
             QString::fromLatin1(kPorridge) +
                 QStringLiteral("Porridge pot\t2026-12-05\t4\t-\t"
                                "Oats\t1\tcup\t80\t380\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"));
}

QTEST_MAIN(TestRecipes)
#include "tst_recipes.moc"
