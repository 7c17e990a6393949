// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/NutrientData.h"
#include "food/NutrientDataWriter.h"
#include "food/NutrientTable.h"

#include <QtTest>

// The text nutrient table and its compact side table: what is unknown stays unknown, every amount
// reads back as the text gave it, and damaged bytes are refused whole.
class TestNutrientTable : public QObject
{
    Q_OBJECT

private slots:
    void catalogue();
    void roundTrip();
    void badTables_data();
    void badTables();
    void damagedBytesAreRefused_data();
    void damagedBytesAreRefused();

private:
    static std::vector<std::uint8_t> sampleBytes();
};

namespace {

constexpr std::string_view Sample = "# per 100 g\n"
                                    "name\tvitamin_c\tenergy\tiron\n"
                                    "Apple\t4.6\t52\t-\n"
                                    "Milk\t0\t62.9111\t0.0309399\n";

} // namespace

std::vector<std::uint8_t> TestNutrientTable::sampleBytes()
{
    NutrientTable table;
    table.parse(Sample);
    NutrientDataWriter writer;
    for (const NutrientTableEntry &food : table.foods())
        writer.addFood(food.nutrients);
    return writer.bytes();
}

void TestNutrientTable::catalogue()
{
    // The ten, in the order records and day files keep them.
    const char *ten[Nutrient::Count] = {"energy",      "carbohydrates", "fat",    "protein",
                                        "fiber",       "calcium",       "sodium", "saturated_fat",
                                        "cholesterol", "sugars"};
    for (int k = 0; k < Nutrient::Count; ++k) {
        const NutrientInfo &info = NutrientCatalogue::info(NutrientCatalogue::fromStored(k));
        QCOMPARE(info.key, std::string_view(ten[k]));
        QCOMPARE(info.stored, k);
    }
    QCOMPARE(NutrientCatalogue::all().size(), std::size_t(72)); // the source's 71, and RAE
    int stored = 0;
    NutrientGroup group = NutrientGroup::Energy;
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        QCOMPARE(NutrientCatalogue::find(info.key), info.id); // keys are unique
        QVERIFY(info.group >= group); // each group listed in one run
        group = info.group;
        stored += info.stored >= 0;
    }
    QCOMPARE(stored, Nutrient::Count);
    QCOMPARE(NutrientCatalogue::find("vitamin_z"), -1);
    QCOMPARE(NutrientCatalogue::info(NutrientId::VitaminD).unit, std::string_view("\xC2\xB5g"));
}

void TestNutrientTable::roundTrip()
{
    NutrientTable table;
    QVERIFY(table.parse(Sample));
    QCOMPARE(table.foods().size(), std::size_t(2));
    const FoodNutrients &apple = table.foods()[0].nutrients;
    const FoodNutrients &milk = table.foods()[1].nutrients;
    QCOMPARE(table.foods()[1].name, std::string("Milk"));
    QCOMPARE(table.foods()[1].line, 4);
    QCOMPARE(apple.perGram(NutrientId::VitaminC), std::optional<double>(0.046f));
    QCOMPARE(apple.perGram(NutrientId::Energy), std::optional<double>(0.52f));
    QVERIFY(!apple.known(NutrientId::Iron)); // "-"
    QVERIFY(!apple.known(NutrientId::Protein)); // no column
    QCOMPARE(milk.perGram(NutrientId::VitaminC), std::optional<double>(0.0)); // a known 0
    QCOMPARE(apple.knownCount(), 2);

    const std::vector<std::uint8_t> bytes = sampleBytes();
    // Header 12, three offsets, two 9-byte masks; 4.6, 52 and 0 in two bytes each, 62.9111 and
    // 0.0309399 (more digits than a short code holds) in six.
    QCOMPARE(bytes.size(), std::size_t(12 + 12 + 18 + 3 * 2 + 2 * 6));
    NutrientData data;
    QVERIFY(data.load(bytes));
    QCOMPARE(data.foodCount(), 2);
    QVERIFY(data.food(0) == apple);
    QVERIFY(data.food(1) == milk);
    QCOMPARE(data.food(2).knownCount(), 0);
    QCOMPARE(data.food(-1).knownCount(), 0);
}

void TestNutrientTable::badTables_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("no header") << QByteArray("# nothing\n") << "it has no header line";
    QTest::newRow("first column") << QByteArray("food\tenergy\n")
                                  << "line 1: the header's first column is \"food\", not name";
    QTest::newRow("unknown key")
        << QByteArray("name\tvitamin_z\n")
        << "line 1: the header's column \"vitamin_z\" is not a known nutrient";
    QTest::newRow("twice") << QByteArray("name\tiron\tiron\n")
                           << "line 1: the header names \"iron\" twice";
    QTest::newRow("fields") << QByteArray("name\tiron\tzinc\nApple\t1\n")
                            << "line 2: it has 2 fields, not 3";
    QTest::newRow("word") << QByteArray("name\tiron\nApple\tlots\n")
                          << "line 2: its iron \"lots\" is not a number or -";
    QTest::newRow("negative") << QByteArray("name\tiron\nApple\t-1\n")
                              << "line 2: its iron \"-1\" is not a number or -";
}

void TestNutrientTable::badTables()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    NutrientTable table;
    QVERIFY(!table.parse(text.toStdString()));
    QCOMPARE(QString::fromStdString(table.errors().front()), error);
}

void TestNutrientTable::damagedBytesAreRefused_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("value"); // a byte, two bytes little-endian above 255, -1: cut there
    // Offsets at 12, 16, 20; Apple's record at 24: mask, then 52 and 4.6 (ids in order); Milk's
    // at 37: mask, then 62.9111 escaped (the float at 48), 0, and 0.0309399 escaped.
    QTest::newRow("cut short") << 59 << -1;
    QTest::newRow("cut in the offsets") << 18 << -1;
    QTest::newRow("magic") << 0 << int('X');
    QTest::newRow("other catalogue") << 5 << NutrientCatalogue::Count + 1;
    QTest::newRow("food count") << 8 << 3;
    QTest::newRow("offset past the end") << 21 << 1;
    QTest::newRow("offset backwards") << 16 << 20;
    QTest::newRow("mask names more amounts") << 24 << 0xff;
    QTest::newRow("no such code") << 34 << 0xe0;
    QTest::newRow("escaped value not finite") << 50 << 0x7fff;
    QTest::newRow("escaped value negative") << 51 << 0xc2;
}

void TestNutrientTable::damagedBytesAreRefused()
{
    QFETCH(int, position);
    QFETCH(int, value);
    std::vector<std::uint8_t> bytes = sampleBytes();
    // The layout the rows assume: 4.6 is 46 * 10^-1, Milk's energy is escaped.
    QCOMPARE(bytes[35], std::uint8_t(46));
    QCOMPARE(bytes[46], std::uint8_t(0xff));
    if (value < 0) {
        bytes.resize(std::size_t(position));
    } else {
        bytes[std::size_t(position)] = std::uint8_t(value);
        if (value > 0xff)
            bytes[std::size_t(position) + 1] = std::uint8_t(value >> 8);
    }
    NutrientData data;
    QVERIFY(!data.load(bytes));
    QCOMPARE(data.foodCount(), 0);
    QCOMPARE(data.food(0).knownCount(), 0);
}

QTEST_GUILESS_MAIN(TestNutrientTable)
#include "tst_nutrienttable.moc"
