// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoodTestData.h"
#include "food/FoodDatabase.h"
#include "food/Portion.h"
#include "food/SubstitutionTable.h"

#include <QtTest>

using namespace FoodTestData;
using namespace Qt::StringLiterals;
using Bytes = std::vector<std::uint8_t>;

Q_DECLARE_METATYPE(Bytes)

class TestFoodDatabase : public QObject
{
    Q_OBJECT

private slots:
    void decodesThroughTheTable();
    void tableSize_data();
    void tableSize();
    void nutrientBlock_data();
    void nutrientBlock();
    void unitBlock_data();
    void unitBlock();
    void searchCopy();
    void writerRoundTrip();
    void rejectsBrokenDatabases_data();
    void rejectsBrokenDatabases();
    void survivesTruncationAndCorruption();
    void portionOfAUnitThatWeighsNothing();
};

namespace {

QStringList unitList(const FoodUnits &units)
{
    QStringList list;
    for (int i = 0; i < units.count; ++i) {
        const FoodUnit &unit = units.items[std::size_t(i)];
        list << QString::fromUtf8(unit.name.data(), qsizetype(unit.name.size())) + u'=' +
                QString::number(double(unit.factor));
    }
    return list;
}

// Touches everything a reader may read, so the sanitizer sees any read out of bounds.
int readEverything(const FoodDatabase &database)
{
    int sum = 0;
    for (int i = 0; i < database.recordCount(); ++i) {
        const FoodRecord record = database.record(i);
        for (char c : record.name())
            sum += c;
        for (char c : database.searchText(i))
            sum += c;
        const FoodUnits units = record.units();
        for (int u = 0; u < units.count; ++u)
            sum += int(units.items[std::size_t(u)].name.size());
    }
    return sum;
}

} // namespace

void TestFoodDatabase::decodesThroughTheTable()
{
    const Bytes decoded = decodedDatabase({food("Kale, raw"), food("Oats")});
    const SubstitutionTable::Table table = SubstitutionTable::fixedTable();
    QVERIFY(SubstitutionTable::isPermutation(table));
    QVERIFY(table == SubstitutionTable::fixedTable()); // the same on every build
    QVERIFY(table[0] != 0 || table[1] != 1 || table[2] != 2);

    // Each decoded byte d is stored as the s with table[s] == d.
    const Bytes stored = SubstitutionTable::encode(decoded, table);
    QCOMPARE(stored.size(), decoded.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        QCOMPARE(table[stored[i]], decoded[i]);
    QVERIFY(stored != decoded);

    FoodDatabase database;
    QVERIFY(database.load(stored, table));
    QCOMPARE(database.recordCount(), 2);
    QCOMPARE(database.size(), int(decoded.size()));
    QCOMPARE(database.name(0), std::string_view("Kale, raw"));
    QCOMPARE(database.name(1), std::string_view("Oats"));
    QVERIFY(std::equal(decoded.begin(), decoded.end(), database.data()));

    // A second load replaces the first.
    QVERIFY(loadFoods(database, {food("Rye")}));
    QCOMPARE(database.recordCount(), 1);
    QCOMPARE(database.name(0), std::string_view("Rye"));
    QVERIFY(database.record(1).isNull());
    QVERIFY(database.record(-1).isNull());
}

void TestFoodDatabase::tableSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("records");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("255") << 255 << 0;
    QTest::newRow("256") << 256 << 1;
    QTest::newRow("257") << 257 << 0;
}

void TestFoodDatabase::tableSize()
{
    QFETCH(int, size);
    QFETCH(int, records);
    const SubstitutionTable::Table fixed = SubstitutionTable::fixedTable();
    Bytes table(fixed.begin(), fixed.end());
    table.resize(std::size_t(size), 0);
    const Bytes stored = SubstitutionTable::encode(decodedDatabase({food("Rice")}), fixed);

    FoodDatabase database;
    QCOMPARE(database.load(stored, table), records > 0);
    QCOMPARE(database.recordCount(), records);

    Bytes bytes = {1, 2, 3};
    QCOMPARE(ApplySubstitutionTable(bytes, table), size == 256);
    if (size != 256)
        QCOMPARE(bytes, (Bytes {1, 2, 3}));
}

void TestFoodDatabase::nutrientBlock_data()
{
    QTest::addColumn<Bytes>("record");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<int>("headerAt"); // from the record's start

    QTest::newRow("mask 0") << RecordBytes().text("Salt").le16(0).byte(0x50).bytes()
                            << QList<float>(10, 0.0f) << 5 + 2;
    QTest::newRow("first and last")
        << RecordBytes().text("Tea").le16(0x0201).leFloat(0.01f).leFloat(0.5f).byte(0).bytes()
        << QList<float> {0.01f, 0, 0, 0, 0, 0, 0, 0, 0, 0.5f} << 4 + 2 + 8;
    // Bits 10 to 15 carry no value: nothing is read for them.
    QTest::newRow("high bits")
        << RecordBytes().text("Egg").le16(0xfc04).leFloat(0.13f).byte(0x50).bytes()
        << QList<float> {0, 0, 0.13f, 0, 0, 0, 0, 0, 0, 0} << 4 + 2 + 4;
    QTest::newRow("only high bits") << RecordBytes().text("Ice").le16(0xfc00).byte(0x50).bytes()
                                    << QList<float>(10, 0.0f) << 4 + 2;
}

void TestFoodDatabase::nutrientBlock()
{
    QFETCH(Bytes, record);
    QFETCH(QList<float>, values);
    QFETCH(int, headerAt);

    FoodDatabase database;
    QVERIFY(loadDecoded(database, decodedDatabase(std::vector<Bytes> {record})));
    const FoodRecord food = database.record(0);
    FoodFormat::Nutrients read;
    read.fill(-1.0f);
    const std::uint8_t *header = food.nutrients(read);
    QCOMPARE(int(header - food.begin()), headerAt);
    QCOMPARE(QList<float>(read.begin(), read.end()), values);

    // The same through the plain reader, and a block cut short reads as nothing.
    const std::uint8_t *block = food.nutrientBlock();
    QCOMPARE(ReadNutrientBlock(block, food.end(), read), header);
    QVERIFY(ReadNutrientBlock(block, header - 1, read) == nullptr);
    QCOMPARE(QList<float>(read.begin(), read.end()), QList<float>(10, 0.0f));
}

void TestFoodDatabase::unitBlock_data()
{
    QTest::addColumn<Bytes>("record");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<int>("stored");

    const auto start = [] {
        return RecordBytes().text("Food").le16(0);
    };
    QTest::newRow("0x50: weight pair only")
        << start().byte(0x50).bytes() << QStringList {u"oz=28.4"_s, u"g=1"_s} << 0;
    QTest::newRow("0x62: stored, then volume pair")
        << start().byte(0x62).beFloat(240.0f).text("cup").beFloat(15.0f).text("tbsp").bytes()
        << QStringList {u"cup=240"_s, u"tbsp=15"_s, u"fl.oz=28.4"_s, u"mL=1"_s} << 2;
    QTest::newRow("0x00: no units") << start().byte(0x00).bytes() << QStringList {} << 0;
    QTest::newRow("0x31: other kind, no pair")
        << start().byte(0x31).beFloat(2.5f).text("slice").bytes() << QStringList {u"slice=2.5"_s}
        << 1;
    QTest::newRow("big-endian factor")
        << start().byte(0x01).byte(0x43).byte(0x34).byte(0x00).byte(0x00).text("cup").bytes()
        << QStringList {u"cup=180"_s} << 1;

    // Twelve and fifteen stored units: the first ten are read, the pair still follows.
    for (const int count : {12, 15}) {
        RecordBytes record = start().byte(std::uint8_t(0x50 | count));
        QStringList expected;
        for (int i = 0; i < count; ++i) {
            record.beFloat(float(i + 1)).text("u" + std::to_string(i));
            if (i < 10)
                expected << QStringLiteral("u%1=%2").arg(i).arg(i + 1);
        }
        expected << QStringLiteral("oz=28.4") << QStringLiteral("g=1");
        QTest::addRow("%d stored units", count) << record.bytes() << expected << 10;
    }
    // The eleventh and later units are never read, so they need not even be there.
    RecordBytes cut = start().byte(0x5c);
    for (int i = 0; i < 10; ++i)
        cut.beFloat(1.0f).text("x");
    QTest::newRow("count 12, ten present")
        << cut.bytes() << (QStringList(10, u"x=1"_s) << u"oz=28.4"_s << u"g=1"_s) << 10;
}

void TestFoodDatabase::unitBlock()
{
    QFETCH(Bytes, record);
    QFETCH(QStringList, units);
    QFETCH(int, stored);

    FoodDatabase database;
    QVERIFY(loadDecoded(database, decodedDatabase(std::vector<Bytes> {record})));
    const FoodUnits read = database.record(0).units();
    QCOMPARE(unitList(read), units);
    QCOMPARE(read.storedCount, stored);
}

void TestFoodDatabase::searchCopy()
{
    // Only A to Z are lowered; bytes above 127 (UTF-8 here) stay as they are.
    const std::string name = "CRÈME Brûlée, APPLE (Raw) #2";
    const Bytes decoded =
        decodedDatabase({food(name, FoodFormat::WeightPair, {0.5f}), food("Zucchini"), food("a")});
    FoodDatabase database;
    QVERIFY(loadDecoded(database, decoded));

    QCOMPARE(database.searchText(0), std::string_view(" crÈme brûlée, apple (raw) #2"));
    QCOMPARE(database.searchText(1), std::string_view(" zucchini"));
    QCOMPARE(database.searchText(2), std::string_view(" a"));
    QCOMPARE(database.name(0), std::string_view(name)); // the decoded buffer keeps its capitals

    // Space, name and zero take the name's bytes plus two; every other byte is the buffer's.
    for (int i = 0; i < database.recordCount(); ++i) {
        const std::size_t begin = database.recordOffset(i);
        const std::size_t textEnd = begin + database.name(i).size() + 2;
        QCOMPARE(database.searchCopy()[textEnd - 1], '\0');
        for (std::size_t p = textEnd; p < database.recordEnd(i); ++p)
            QCOMPARE(std::uint8_t(database.searchCopy()[p]), database.data()[p]);
    }
    QVERIFY(std::equal(database.data(), database.data() + database.recordOffset(0),
                       reinterpret_cast<const std::uint8_t *>(database.searchCopy())));
}

void TestFoodDatabase::writerRoundTrip()
{
    std::vector<FoodTableEntry> foods;
    foods.push_back(
        food("Milk, whole", FoodFormat::VolumePair,
             {0.63f, 0.0495f, 0.0335f, 0.0325f, 0, 1.165f, 0.443f, 0.0192f, 0.103f, 0.052f},
             {{"cup", 236.588f}, {"fl oz", 29.5735f}}));
    foods.push_back(food("Salt, table", FoodFormat::WeightPair, {0, 0, 0, 0, 0, 0.24f, 387.58f},
                         {{"tsp", 6.0f}}));
    foods.push_back(food("Plain", FoodFormat::NoPair));

    FoodDatabase database;
    QVERIFY(loadFoods(database, foods));
    QCOMPARE(database.recordCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const FoodTableEntry &expected = foods[std::size_t(i)];
        const FoodRecord record = database.record(i);
        QCOMPARE(record.name(), std::string_view(expected.name));
        QCOMPARE(record.nutrients(), expected.nutrients);
        const FoodUnits units = record.units();
        QCOMPARE(units.pairKind, expected.pairKind);
        QCOMPARE(units.storedCount, int(expected.units.size()));
        for (std::size_t u = 0; u < expected.units.size(); ++u) {
            QCOMPARE(units.items[u].name, std::string_view(expected.units[u].name));
            QCOMPARE(units.items[u].factor, expected.units[u].factor);
        }
    }
}

void TestFoodDatabase::rejectsBrokenDatabases_data()
{
    QTest::addColumn<Bytes>("decoded");
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("sound"); // every record the offset table names loaded

    const Bytes good = RecordBytes()
                           .text("Good")
                           .le16(1)
                           .leFloat(1.0f)
                           .byte(0x51)
                           .beFloat(2.0f)
                           .text("cup")
                           .bytes();
    const Bytes sound = decodedDatabase(std::vector<Bytes> {good, good, good});
    const auto setOffset = [](Bytes bytes, int index, std::uint32_t value) {
        for (int b = 0; b < 4; ++b)
            bytes[std::size_t(4 * index + b)] = std::uint8_t(value >> (8 * b));
        return bytes;
    };
    const auto withLast = [&](const Bytes &last) {
        return decodedDatabase(std::vector<Bytes> {good, good, last});
    };

    QTest::newRow("sound") << sound << 3 << true;
    QTest::newRow("three bytes") << Bytes {12, 0, 0} << 0 << false;
    QTest::newRow("first offset 0") << Bytes {0, 0, 0, 0, 'x'} << 0 << true; // no records
    QTest::newRow("first offset past the end") << setOffset(sound, 0, 1000) << 0 << false;
    QTest::newRow("first offset negative") << setOffset(sound, 0, 0x80000010u) << 0 << false;
    QTest::newRow("offset past the end")
        << setOffset(sound, 2, std::uint32_t(sound.size())) << 2 << false;
    QTest::newRow("offsets descending") << setOffset(sound, 2, 13) << 2 << false;
    QTest::newRow("offsets equal")
        << setOffset(sound, 2, 12 + std::uint32_t(good.size())) << 2 << false;
    QTest::newRow("offset into the offset table") << setOffset(sound, 1, 4) << 1 << false;
    QTest::newRow("name not terminated")
        << withLast(Bytes {'L', 'o', 'n', 'g', ' ', 'n', 'a', 'm', 'e'}) << 2 << false;
    QTest::newRow("mask cut") << withLast(RecordBytes().text("Cut").byte(1).bytes()) << 2 << false;
    QTest::newRow("values cut")
        << withLast(RecordBytes().text("Cut").le16(3).leFloat(1.0f).byte(0).bytes()) << 2 << false;
    QTest::newRow("no unit header")
        << withLast(RecordBytes().text("Cut").le16(0).bytes()) << 2 << false;
    QTest::newRow("factor cut")
        << withLast(RecordBytes().text("Cut").le16(0).byte(0x51).byte(0x43).bytes()) << 2 << false;
    QTest::newRow("unit name not terminated")
        << withLast(RecordBytes().text("Cut").le16(0).byte(0x51).beFloat(1.0f).raw("cu").bytes())
        << 2 << false;
    QTest::newRow("fewer units than counted")
        << withLast(RecordBytes().text("Cut").le16(0).byte(0x53).beFloat(1.0f).text("a").bytes())
        << 2 << false;
    // A record must end where the next begins: the first overruns into the second.
    Bytes overrun = sound;
    overrun[12 + good.size() - 1] = 'p'; // the first record's last unit name loses its zero
    QTest::newRow("record runs into the next") << overrun << 0 << false;
}

void TestFoodDatabase::rejectsBrokenDatabases()
{
    QFETCH(Bytes, decoded);
    QFETCH(int, records);
    QFETCH(bool, sound);

    FoodDatabase database;
    QCOMPARE(loadDecoded(database, decoded), sound);
    QCOMPARE(database.recordCount(), records);
    QVERIFY(readEverything(database) != 0 || records == 0);
    for (int i = 0; i < records; ++i) {
        QCOMPARE(database.name(i), std::string_view("Good"));
        QCOMPARE(database.record(i).units().count, 3);
        QVERIFY(database.recordEnd(i) <= std::size_t(database.size()));
    }
}

void TestFoodDatabase::survivesTruncationAndCorruption()
{
    const Bytes decoded = decodedDatabase(
        {food("Apples, raw", FoodFormat::WeightPair, {0.52f, 0.14f}, {{"cup", 125.0f}}),
         food("Bread", FoodFormat::NoPair, {}, {{"slice", 25.0f}, {"loaf", 454.0f}}),
         food("Cola", FoodFormat::VolumePair, {0.38f}, {{"can", 355.0f}})});
    FoodDatabase database;

    // Cut anywhere: what is left loads as far as it is whole, never more.
    int previous = 0;
    for (std::size_t length = 0; length <= decoded.size(); ++length) {
        const Bytes cut(decoded.begin(), decoded.begin() + std::ptrdiff_t(length));
        loadDecoded(database, cut);
        readEverything(database);
        QVERIFY(database.recordCount() >= previous || length < 12);
        previous = database.recordCount();
    }
    QCOMPARE(previous, 3);

    // Any byte changed to a few telling values: loads or not, but reads stay inside.
    for (std::size_t position = 0; position < decoded.size(); ++position) {
        for (const std::uint8_t value : {0x00, 0x01, 0x0f, 0x7f, 0x80, 0xff}) {
            Bytes changed = decoded;
            changed[position] = value;
            loadDecoded(database, changed);
            readEverything(database);
            QVERIFY(database.recordCount() <= 3);
        }
    }
}

// A unit stored without a weight counts as one gram, in the entry and in what it adds.
void TestFoodDatabase::portionOfAUnitThatWeighsNothing()
{
    Nutrients perGram {};
    perGram[Nutrient::Calories] = 2.0f;
    const MealEntry entry = Portion::MakeEntry("Soup", perGram, 0.0f, 3.0, "bowl");
    QCOMPARE(entry.gramsPerUnit, 1.0f);
    QCOMPARE(Portion::Contents(perGram, 3.0, 0.0f)[Nutrient::Calories], 6.0f);
    QCOMPARE(Portion::Contents(perGram, 3.0, 250.0f)[Nutrient::Calories], 1500.0f);
}

QTEST_GUILESS_MAIN(TestFoodDatabase)
#include "tst_fooddatabase.moc"
