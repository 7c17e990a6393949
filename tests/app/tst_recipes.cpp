// Recipes in the window, driven through the real main window: found, marked and logged from the
// food list, and followed when another writer changes the recipe file.
#include "MainWindowUnderTest.h"
#include "calendar/CTimCalentar.h"
#include "controls/CNoticeBar.h"
#include "food/FoodListView.h"
#include "layout/DialogLayout.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace DialogLayout;

namespace {

// Per serving: (80 g oats at 380 kcal + 200 g milk at 64 kcal per 100 g) / 2 = 216 kcal.
constexpr const char *kPorridge = "Porridge pot\t2026-12-01\t2\t-\t"
                                  "Oats\t1\tcup\t80\t380\t-\t-\t-\t-\t-\t-\t-\t-\t-\t"
                                  "Milk\t200\tg\t1\t64\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";

} // namespace

class TestRecipes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup() { m_window.close(); }
    void aRecipeIsFoundMarkedLoggedAndFollowed();

private:
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

QTEST_MAIN(TestRecipes)
#include "tst_recipes.moc"
