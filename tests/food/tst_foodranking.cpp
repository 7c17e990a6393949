// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoodTestData.h"
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/FoodRanking.h"

#include <QFile>
#include <QtTest>
#include <algorithm>

using namespace FoodTestData;

// Best matches first: the wider matching, the order, and what a new user finds in the real table.
class TestFoodRanking : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wideMatching_data();
    void wideMatching();
    void order();
    void switching();
    void everydayQueries_data();
    void everydayQueries();
    void closeMatches();
    void otherNumbers_data();
    void otherNumbers();
    void kinds_data();
    void kinds();
    void countedWords_data();
    void countedWords();

private:
    static QByteArrayList rows(const FoodDatabase &database, const FoodFilter &filter);

    FoodDatabase m_small;
    FoodDatabase m_real;
};

void TestFoodRanking::initTestCase()
{
    QVERIFY(loadFoods(m_small,
                      {
                          food("Bread, whole-wheat, commercially prepared"),
                          food("Cherries, sweet, raw"),
                          food("Crackers, whole wheat"),
                          food("Egg, whole, raw, fresh"),
                          food("Eggplant, raw"),
                          food("Grape leaves, raw"),
                          food("Peaches, raw"),
                          food("Spices, bay leaf"),
                          food("Tomato, raw"),
                      }));

    QFile file(QStringLiteral(CORVALO_FOOD_TABLE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    FoodTable table;
    QVERIFY(table.parse(file.readAll().toStdString()));
    QVERIFY(loadFoods(m_real, table.foods()));
}

QByteArrayList TestFoodRanking::rows(const FoodDatabase &database, const FoodFilter &filter)
{
    QByteArrayList names;
    for (int row = 0; row < filter.rowCount(); ++row) {
        const std::string_view name = database.name(filter.recordForRow(row));
        names << QByteArray(name.data(), qsizetype(name.size()));
    }
    return names;
}

void TestFoodRanking::wideMatching_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("found"); // in any order

    QTest::newRow("singular of the typed word, whole words only")
        << QByteArray("eggs") << QByteArrayList {"Egg, whole, raw, fresh"};
    QTest::newRow("typed word still a prefix")
        << QByteArray("egg") << QByteArrayList {"Egg, whole, raw, fresh", "Eggplant, raw"};
    QTest::newRow("-y to -ies") << QByteArray("cherry") << QByteArrayList {"Cherries, sweet, raw"};
    QTest::newRow("-ies to -y") << QByteArray("cherries")
                                << QByteArrayList {"Cherries, sweet, raw"};
    QTest::newRow("-ves to -f") << QByteArray("leaves")
                                << QByteArrayList {"Grape leaves, raw", "Spices, bay leaf"};
    QTest::newRow("-f to -ves") << QByteArray("leaf")
                                << QByteArrayList {"Grape leaves, raw", "Spices, bay leaf"};
    QTest::newRow("-es to none") << QByteArray("tomatoes") << QByteArrayList {"Tomato, raw"};
    QTest::newRow("a word after a hyphen")
        << QByteArray("wheat")
        << QByteArrayList {"Bread, whole-wheat, commercially prepared", "Crackers, whole wheat"};
    QTest::newRow("two words across a hyphen")
        << QByteArray("whole wheat")
        << QByteArrayList {"Bread, whole-wheat, commercially prepared", "Crackers, whole wheat"};
    QTest::newRow("hyphen across two words")
        << QByteArray("whole-wheat")
        << QByteArrayList {"Bread, whole-wheat, commercially prepared", "Crackers, whole wheat"};
    QTest::newRow("inside a word still does not match") << QByteArray("heat") << QByteArrayList {};
}

void TestFoodRanking::wideMatching()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, found);
    FoodFilter filter(m_small);
    filter.setBestMatchesFirst(true);
    filter.setSearchText(text.toStdString(), int(text.size()));
    QByteArrayList names = rows(m_small, filter);
    int exact = 0;
    while (exact < filter.rowCount() && !filter.isCloseMatch(exact))
        ++exact;
    names = names.mid(0, exact); // the close matches after them are not this test's
    std::sort(names.begin(), names.end());
    QCOMPARE(names, found);
}

void TestFoodRanking::order()
{
    // Alphabetical, as the table is stored.
    FoodDatabase database;
    QVERIFY(loadFoods(database,
                      {
                          food("Babyfood, milk, toddler"),
                          food("Candies, milk chocolate"),
                          food("McDONALD'S, milk shake"),
                          food("Milk shakes, thick vanilla"),
                          food("Milk, canned, evaporated"),
                          food("Milk, goat, fluid"),
                          food("Milk, human, mature, fluid"),
                          food("Milk, sheep, fluid"),
                          food("Milk, whole, 3.25% milkfat, with added vitamin D (whole)"),
                          food("Rice pudding with milk, prepared"),
                          food("USDA Commodity, milk, nonfat, fluid"),
                          food("Yogurt, plain, whole milk, 8 grams protein per 8 ounce"),
                      }));
    FoodFilter filter(database);
    filter.setBestMatchesFirst(true);
    filter.setSearchText("milk", 4);
    const QByteArrayList expected {
        // Named by the words: plain, fewest words first; a measure, an addition and an
        // explanation in brackets name no other food.
        "Milk, whole, 3.25% milkfat, with added vitamin D (whole)",
        "Milk, goat, fluid",
        "Milk, sheep, fluid",
        "Milk, human, mature, fluid",
        "Milk, canned, evaporated", // a processed form
        "Milk shakes, thick vanilla", // starts with the word, but is a shake
        // Only mention it.
        "Yogurt, plain, whole milk, 8 grams protein per 8 ounce",
        "USDA Commodity, milk, nonfat, fluid", // the USDA is no maker
        "Candies, milk chocolate",
        "Rice pudding with milk, prepared",
        "McDONALD'S, milk shake",
        "Babyfood, milk, toddler",
    };
    QCOMPARE(rows(database, filter), expected);
}

void TestFoodRanking::switching()
{
    FoodFilter filter(m_small);
    QCOMPARE(filter.setBestMatchesFirst(true), FoodFilter::Change::Unchanged); // nothing filtered
    QCOMPARE(filter.setSearchText("wheat", 5), FoodFilter::Change::Recomputed);
    QCOMPARE(
        rows(m_small, filter),
        (QByteArrayList {"Crackers, whole wheat", "Bread, whole-wheat, commercially prepared"}));
    // Off again: the narrower matching, in database order.
    QCOMPARE(filter.setBestMatchesFirst(false), FoodFilter::Change::Recomputed);
    QCOMPARE(filter.setBestMatchesFirst(false), FoodFilter::Change::Unchanged);
    QCOMPARE(rows(m_small, filter), QByteArrayList {"Crackers, whole wheat"});
}

void TestFoodRanking::everydayQueries_data()
{
    QTest::addColumn<QByteArray>("meant");

    QTest::newRow("apple") << QByteArray("Apples, raw, with skin");
    QTest::newRow("milk") << QByteArray("Milk, whole, 3.25% milkfat, with added vitamin D");
    QTest::newRow("banana") << QByteArray("Bananas, raw");
    QTest::newRow("egg") << QByteArray("Egg, whole, raw, fresh");
    QTest::newRow("eggs") << QByteArray("Egg, whole, raw, fresh");
    QTest::newRow("rice") << QByteArray("Rice, brown, long-grain, cooked");
    QTest::newRow("white bread") << QByteArray(
        "Bread, white, commercially prepared (includes soft bread crumbs)");
    QTest::newRow("whole wheat bread") << QByteArray("Bread, whole-wheat, commercially prepared");
    QTest::newRow("orange juice") << QByteArray("Orange juice, raw");
    QTest::newRow("coffee") << QByteArray("Coffee, brewed from grounds, prepared with tap water");
    QTest::newRow("tea") << QByteArray("Tea, black, brewed, prepared with tap water");
    QTest::newRow("beer") << QByteArray("Alcoholic beverage, beer, regular, all");
    QTest::newRow("chicken breast")
        << QByteArray("Chicken, broilers or fryers, breast, meat only, cooked, roasted");
    QTest::newRow("cheddar") << QByteArray("Cheese, cheddar");
    QTest::newRow("yogurt") << QByteArray("Yogurt, plain, whole milk, 8 grams protein per 8 ounce");
    QTest::newRow("butter") << QByteArray("Butter, salted");
    QTest::newRow("potato") << QByteArray("Potato, flesh and skin, raw");
    QTest::newRow("carrot") << QByteArray("Carrots, raw");
    QTest::newRow("strawberries") << QByteArray("Strawberries, raw");
    QTest::newRow("grapes") << QByteArray(
        "Grapes, red or green (European type, such as Thompson seedless), raw");
    // Typos, other spellings and German words.
    QTest::newRow("bananna") << QByteArray("Bananas, raw");
    QTest::newRow("yoghurt") << QByteArray(
        "Yogurt, plain, whole milk, 8 grams protein per 8 ounce");
    QTest::newRow("chiken") << QByteArray("Chicken, ground, raw");
    QTest::newRow("brocoli") << QByteArray("Broccoli, raw");
    QTest::newRow("spagetti") << QByteArray("Spaghetti, cooked, enriched, without added salt");
    QTest::newRow("chedar") << QByteArray("Cheese, cheddar");
    QTest::newRow("tomatos") << QByteArray("Tomatoes, red, ripe, raw, year round average");
    QTest::newRow("avacado") << QByteArray("Avocados, raw, all commercial varieties");
    QTest::newRow("milch") << QByteArray("Milk, whole, 3.25% milkfat, with added vitamin D");
    QTest::newRow("K\xc3\xa4se") << QByteArray("Cheese, cheddar");
}

void TestFoodRanking::everydayQueries()
{
    // The food list of the main window shows eight whole rows without scrolling.
    constexpr int VisibleRows = 8;
    QFETCH(QByteArray, meant);
    const std::string text = QTest::currentDataTag();
    FoodFilter filter(m_real);
    filter.setBestMatchesFirst(true);
    filter.setTypedText(text);
    const QByteArrayList shown = rows(m_real, filter).mid(0, VisibleRows);
    QVERIFY2(shown.contains(meant), shown.join('\n').constData());
}

void TestFoodRanking::closeMatches()
{
    FoodFilter filter(m_real);
    filter.setBestMatchesFirst(true);
    // Two names begin with "tee"; tea, its German word, follows them as a close match.
    filter.setTypedText("tee");
    QVERIFY(filter.rowCount() > 3);
    QVERIFY(!filter.isCloseMatch(0) && !filter.isCloseMatch(1));
    QVERIFY(filter.isCloseMatch(2));
    QVERIFY(m_real.name(filter.recordForRow(2)).starts_with("Tea, "));
    // No near words for three letters: "mlk" is not "milk".
    filter.setTypedText("mlk");
    QCOMPARE(filter.rowCount(), 0);
    // Alphabetical: the close matches in A to Z order after the others, too.
    filter.setBestMatchesFirst(false);
    filter.setTypedText("brocoli");
    QCOMPARE(m_real.name(filter.recordForRow(0)),
             std::string_view("Babyfood, dinner, broccoli and chicken, junior"));
    QVERIFY(filter.isCloseMatch(0));
}

void TestFoodRanking::otherNumbers_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("form"); // among its other forms
    QTest::addColumn<QByteArray>("notForm"); // not among them
    QTest::newRow("day") << QByteArray("day") << QByteArray("days") << QByteArray("daies");
    QTest::newRow("glass") << QByteArray("glass") << QByteArray("glasses") << QByteArray("glas");
    QTest::newRow("egg") << QByteArray("egg") << QByteArray("eggs") << QByteArray("eg");
    QTest::newRow("cherries") << QByteArray("cherries") << QByteArray("cherry")
                              << QByteArray("cherriey");
    QTest::newRow("peaches") << QByteArray("peaches") << QByteArray("peach")
                             << QByteArray("peachess");
}

void TestFoodRanking::otherNumbers()
{
    QFETCH(QByteArray, word);
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, notForm);
    const std::vector<std::string> forms = FoodRanking::otherNumbers(word.toStdString());
    const auto has = [&](const QByteArray &text) {
        return std::find(forms.begin(), forms.end(), text.toStdString()) != forms.end();
    };
    QVERIFY(has(form));
    QVERIFY(!has(notForm));
}

void TestFoodRanking::kinds_data()
{
    using Kind = FoodRanking::Kind;
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("plain") << QByteArray("Apples, raw, with skin") << int(Kind::Plain);
    QTest::newRow("fresh") << QByteArray("Egg, whole, raw, fresh") << int(Kind::Basic);
    QTest::newRow("maker") << QByteArray("Cereals, QUAKER, oats") << int(Kind::Brand);
    QTest::newRow("two capitals") << QByteArray("Tea, green, UK style") << int(Kind::Plain);
    QTest::newRow("a grade") << QByteArray("Flour, wheat, type III") << int(Kind::Plain);
    QTest::newRow("a dish, canned")
        << QByteArray("Spaghetti with meat sauce, canned") << int(Kind::Dish);
}

void TestFoodRanking::kinds()
{
    QFETCH(QByteArray, name);
    QFETCH(int, kind);
    QCOMPARE(int(FoodRanking::kindOf(name.toStdString())), kind);
}

void TestFoodRanking::countedWords_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("words");
    QTest::newRow("plain") << QByteArray("Milk, goat, fluid") << 3;
    QTest::newRow("explained in brackets") << QByteArray("Milk, nonfat (skim or fat free)") << 2;
    QTest::newRow("a measure") << QByteArray("Milk, whole, 3.25% milkfat") << 2;
    QTest::newRow("a figure inside a part")
        << QByteArray("Alcoholic beverage, distilled, all (gin, rum, vodka) 80 proof") << 5;
}

void TestFoodRanking::countedWords()
{
    QFETCH(QByteArray, name);
    QFETCH(int, words);
    QCOMPARE(FoodRanking::countedWords(name.toStdString()), words);
}

QTEST_GUILESS_MAIN(TestFoodRanking)
#include "tst_foodranking.moc"
