// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoodTestData.h"
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"

#include <QtTest>

using namespace FoodTestData;
using Change = FoodFilter::Change;

Q_DECLARE_METATYPE(FoodFilter::Change)

class TestFoodFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matching_data();
    void matching();
    void typedTextFollowsOneRule();
    void recomputeDecision_data();
    void recomputeDecision();
    void shortTextShowsAll();
    void pasteOverShortTextFilters();
    void emptyDatabase();

private:
    FoodDatabase m_database;
};

void TestFoodFilter::initTestCase()
{
    QVERIFY(loadFoods(m_database,
                      {
                          food("Apple juice, canned"), // 0
                          food("Apples, raw, with skin"), // 1
                          food("Pineapple, raw"), // 2
                          food("Juice, APPLE and grape"), // 3
                          food("Crème brûlée"), // 4
                          food("CRÈME BRÛLÉE"), // 5
                          food("Beans (pinto), boiled"), // 6
                          food("Snapple drink"), // 7
                          food("Rawhide"), // 8
                      }));
}

void TestFoodFilter::matching_data()
{
    QTest::addColumn<QByteArray>("text"); // as the search box passes it on: lowered
    QTest::addColumn<QList<int>>("records");

    QTest::newRow("start of a name") << QByteArray("ap") << QList<int> {0, 1, 3};
    QTest::newRow("inside a word does not match") << QByteArray("pple") << QList<int> {};
    QTest::newRow("start of a later word") << QByteArray("raw") << QList<int> {1, 2, 8};
    QTest::newRow("whole word with its comma") << QByteArray("raw,") << QList<int> {1};
    QTest::newRow("two words") << QByteArray("apple juice") << QList<int> {0, 3};
    QTest::newRow("two words, other order") << QByteArray("juice apple") << QList<int> {0, 3};
    QTest::newRow("word repeated") << QByteArray("apple apple") << QList<int> {0, 1, 3};
    QTest::newRow("words at the same place") << QByteArray("app apple") << QList<int> {0, 1, 3};
    QTest::newRow("runs of spaces") << QByteArray("  juice   apple  ") << QList<int> {0, 3};
    QTest::newRow("capitals in the name") << QByteArray("apple and") << QList<int> {3};
    QTest::newRow("bracket belongs to the word") << QByteArray("(pinto") << QList<int> {6};
    QTest::newRow("without the bracket") << QByteArray("pinto") << QList<int> {};
    // Letters above 127 are not lowered in names: the lowered search word finds only the
    // name that holds the lower-case letter.
    QTest::newRow("accented letter") << QByteArray("crème") << QList<int> {4};
    QTest::newRow("accented capital typed") << QByteArray("crÈme") << QList<int> {5};
    QTest::newRow("no word matches") << QByteArray("zz") << QList<int> {};
    QTest::newRow("second word missing") << QByteArray("apple zz") << QList<int> {};
    QTest::newRow("spaces only") << QByteArray("   ") << QList<int> {0, 1, 2, 3, 4, 5, 6, 7, 8};
}

void TestFoodFilter::matching()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, records);
    const std::string bytes = text.toStdString();
    // Spaces only give no words: every record, once a recomputation happens.
    FoodFilter filter(m_database);
    if (text.trimmed().isEmpty())
        filter.setSearchText("zzz", 3);
    filter.setSearchText(bytes, int(bytes.size()));
    // The foods the words find as typed: the close matches after them are not this test's.
    QList<int> rows;
    for (int row = 0; row < filter.rowCount() && !filter.isCloseMatch(row); ++row)
        rows << filter.recordForRow(row);
    QCOMPARE(rows, records);
    QVERIFY(filter.isFiltering());
    QCOMPARE(filter.recordForRow(-1), -1);
    QCOMPARE(filter.recordForRow(filter.rowCount()), -1);
}

void TestFoodFilter::recomputeDecision_data()
{
    QTest::addColumn<QByteArrayList>("texts"); // typed one after another
    QTest::addColumn<QList<Change>>("changes");

    const auto R = Change::Recomputed, U = Change::Unchanged, A = Change::ShowAll;
    QTest::newRow("typing") << QByteArrayList {"a", "ap", "app", "apple"}
                            << QList<Change> {A, R, R, R};
    QTest::newRow("spaces do not recompute")
        << QByteArrayList {"ap", "ap ", "ap  ", "ap  j", "ap  j "} << QList<Change> {R, U, U, R, U};
    QTest::newRow("deleting recomputes")
        << QByteArrayList {"apple", "appl", "app", "ap"} << QList<Change> {R, R, R, R};
    QTest::newRow("deleting a space recomputes")
        << QByteArrayList {"ap", "ap ", "ap"} << QList<Change> {R, U, R};
    QTest::newRow("changed word recomputes")
        << QByteArrayList {"ap ju", "ap jx"} << QList<Change> {R, R};
    QTest::newRow("back to one character and on")
        << QByteArrayList {"app", "a", "", "ap"} << QList<Change> {R, A, A, R};
    QTest::newRow("spaces only at first") << QByteArrayList {"  ", "   "} << QList<Change> {U, U};
}

void TestFoodFilter::recomputeDecision()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(QList<Change>, changes);
    FoodFilter filter(m_database);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const std::string text = texts[i].toStdString();
        QCOMPARE(filter.setSearchText(text, int(text.size())), changes[i]);
    }
}

void TestFoodFilter::shortTextShowsAll()
{
    FoodFilter filter(m_database);
    QCOMPARE(filter.rowCount(), m_database.recordCount());
    QVERIFY(!filter.isFiltering());

    QCOMPARE(filter.setSearchText("raw", 3), Change::Recomputed);
    QCOMPARE(filter.rowCount(), 3);
    QCOMPARE(filter.recordForRow(2), 8);

    // One character, or none: every record in database order, the search kept for later.
    QCOMPARE(filter.setSearchText("r", 1), Change::ShowAll);
    QVERIFY(!filter.isFiltering());
    QCOMPARE(filter.rowCount(), m_database.recordCount());
    for (int row = 0; row < filter.rowCount(); ++row)
        QCOMPARE(filter.recordForRow(row), row);
    QCOMPARE(filter.filteredRecords(), (std::vector<std::int32_t> {1, 2, 8}));

    filter.showAll();
    QCOMPARE(filter.rowCount(), m_database.recordCount());
}

void TestFoodFilter::pasteOverShortTextFilters()
{
    // The words and a longer text would say "unchanged", but the list shows everything.
    FoodFilter filter(m_database);
    QCOMPARE(filter.setSearchText("raw", 3), Change::Recomputed);
    QCOMPARE(filter.setSearchText("r", 1), Change::ShowAll);
    QCOMPARE(filter.setSearchText("raw    ", 7), Change::Recomputed);
    QCOMPARE(filter.rowCount(), 3);
}

void TestFoodFilter::emptyDatabase()
{
    FoodDatabase empty;
    FoodFilter filter(empty);
    QCOMPARE(filter.rowCount(), 0);
    QCOMPARE(filter.setSearchText("apple", 5), Change::Recomputed);
    QCOMPARE(filter.rowCount(), 0);
    QCOMPARE(filter.setSearchText("  ", 2), Change::Recomputed);
    QCOMPARE(filter.rowCount(), 0);
    QCOMPARE(filter.recordForRow(0), -1);

    FoodDatabase none;
    QVERIFY(loadDecoded(none, {0, 0, 0, 0}));
    FoodFilter noRecords(none);
    QCOMPARE(noRecords.setSearchText("ab", 2), Change::Recomputed);
    QCOMPARE(noRecords.rowCount(), 0);
}

// The window's search box and the command line hand the text over as typed; both get this rule.
void TestFoodFilter::typedTextFollowsOneRule()
{
    QCOMPARE(FoodFilter::Lowered("APPLE \xc3\x9cmlaut \xc3\x89"
                                 "CLAIR \xc3\x97 \xce\xa9"),
             std::string("apple \xc3\xbcmlaut \xc3\xa9"
                         "clair \xc3\x97 \xce\xa9"));
    QCOMPARE(FoodFilter::Characters("Cr\xc3\xa8me"), 5);
    QCOMPARE(FoodFilter::Characters("\xf0\x9f\x8d\x8e a"), 3);

    FoodFilter filter(m_database);
    // One character in two bytes is still one character: every record stays.
    QCOMPARE(filter.setTypedText("\xc3\xa9"), FoodFilter::Change::ShowAll);
    QCOMPARE(filter.setTypedText("CR\xc3\x88ME"), FoodFilter::Change::Recomputed);
    QCOMPARE(filter.filteredRecords(), std::vector<std::int32_t> {4});
}

QTEST_GUILESS_MAIN(TestFoodFilter)
#include "tst_foodfilter.moc"
