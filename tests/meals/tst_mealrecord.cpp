// SPDX-License-Identifier: GPL-3.0-or-later
#include "MealSamples.h"
#include "meals/MealRecord.h"

#include <QtTest>
#include <random>

class TestMealRecord : public QObject
{
    Q_OBJECT

private slots:
    void byteLayout();
    void roundTrip_data();
    void roundTrip();
    void cutShortImages();
    void garbageImages();
    void totalsInSinglePrecision();
    void dayCalories();
    void storableAmounts_data();
    void storableAmounts();
};

static std::string unscrambled(std::string bytes)
{
    MealRecord::ScrambleBytes(bytes.data(), bytes.size());
    return bytes;
}

void TestMealRecord::byteLayout()
{
    MealEntry entry;
    entry.name = "Apple";
    entry.unit = "g";
    entry.nutrients[Nutrient::Calories] = 0.52f;
    entry.nutrients[Nutrient::Sugars] = 0.5f;
    entry.gramsPerUnit = 1.0f;
    entry.amount = 150.0f;
    entry.ticked = true; // not stored
    entry.listIndex = 7; // not stored

    const std::string record = MealRecord::Encode(entry);
    QCOMPARE(record.size(), std::size_t(56));

    const QByteArray expected = QByteArray("Apple") + QByteArray(1, '\0') +
        QByteArray::fromHex("b81e053f") + QByteArray(32, '\0') + QByteArray::fromHex("0000003f") +
        QByteArray::fromHex("0000803f") // gramsPerUnit at 46
        + QByteArray::fromHex("00001643") // amount at 50
        + QByteArray("g") + QByteArray(1, '\0');
    QCOMPARE(QByteArray::fromStdString(unscrambled(record)).toHex(), expected.toHex());
    for (std::size_t i = 0; i < record.size(); ++i)
        QCOMPARE(static_cast<unsigned char>(record[i]),
                 static_cast<unsigned char>(expected[qsizetype(i)] ^ 0xD3));

    std::string buffer = "ab";
    QCOMPARE(MealRecord::ScrambleBytes(buffer.data(), 2), std::size_t(2));
    QCOMPARE(buffer, std::string("\xB2\xB1"));
}

void TestMealRecord::roundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QByteArray>("storedName");
    QTest::addColumn<int>("length");

    QTest::newRow("plain") << QByteArray("Bread, rye") << QByteArray("slice")
                           << QByteArray("Bread, rye") << 65;
    QTest::newRow("8-bit text") << QByteArray("Cr\xc3\xa8me br\xfbl\xe9") << QByteArray("fl.oz")
                                << QByteArray("Cr\xc3\xa8me br\xfbl\xe9") << 67;
    QTest::newRow("empty texts") << QByteArray() << QByteArray() << QByteArray() << 50;
    // Past the 1,998 bytes a record area holds: written whole, not cut.
    QTest::newRow("long name") << QByteArray(3000, 'x') << QByteArray("g") << QByteArray(3000, 'x')
                               << 3051;
    // A zero byte would end the name in the file, so the name ends there.
    QTest::newRow("zero in name") << QByteArray("Tea\0milk", 8) << QByteArray("cup")
                                  << QByteArray("Tea") << 56;
}

void TestMealRecord::roundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, unit);
    QFETCH(QByteArray, storedName);
    QFETCH(int, length);

    MealEntry first = sampleEntry(name.toStdString(), 2.5f, unit.toStdString(), 28.4f);
    first.nutrients[3] = -1.0f;
    const MealEntry second = sampleEntry("Water", 250.0f, "mL");
    const std::string image = MealRecord::Encode(first) + MealRecord::Encode(second);
    QCOMPARE(int(image.size()), length + 57);

    const MealRecord::Decoded decoded = MealRecord::Decode(image);
    QCOMPARE(decoded.consumed, image.size());
    QCOMPARE(decoded.entries.size(), std::size_t(2));
    first.name = storedName.toStdString();
    QVERIFY(sameStoredFields(decoded.entries[0], first));
    QVERIFY(sameStoredFields(decoded.entries[1], second));
    QCOMPARE(decoded.entries[0].listIndex, 0);
    QCOMPARE(decoded.entries[1].listIndex, 1);
    QVERIFY(!decoded.entries[0].ticked);
}

void TestMealRecord::cutShortImages()
{
    const std::string a = MealRecord::Encode(sampleEntry("Egg", 2.0f, "large", 50.0f));
    const std::string b = MealRecord::Encode(sampleEntry("Oats", 40.0f));
    const std::string whole = a + b;
    const double caloriesA = MealRecord::DayCalories(a);

    // Every cut: only whole records count, and each cut is read from its own heap block so the
    // sanitizer sees any read past it.
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const auto copy = std::make_unique<char[]>(length + 1);
        std::memcpy(copy.get(), whole.data(), length);
        const std::string_view image(copy.get(), length);
        const std::size_t records = length == whole.size() ? 2 : length >= a.size() ? 1 : 0;
        const MealRecord::Decoded decoded = MealRecord::Decode(image);
        QCOMPARE(decoded.entries.size(), records);
        QCOMPARE(decoded.consumed, records == 0 ? 0 : records == 1 ? a.size() : whole.size());
        if (records == 1)
            QCOMPARE(MealRecord::DayCalories(image), caloriesA);
        if (records == 0)
            QCOMPARE(MealRecord::DayCalories(image), 0.0);
    }

    // A unit without its zero byte at the very end.
    const std::string noUnitEnd = whole.substr(0, whole.size() - 1);
    QCOMPARE(MealRecord::Decode(noUnitEnd).entries.size(), std::size_t(1));
}

void TestMealRecord::garbageImages()
{
    // All zero bytes: each 50-byte run is a record with empty texts and zero numbers.
    const std::string zeros(125, char(0xD3));
    const MealRecord::Decoded decoded = MealRecord::Decode(zeros);
    QCOMPARE(decoded.entries.size(), std::size_t(2));
    QCOMPARE(decoded.consumed, std::size_t(100));
    QCOMPARE(MealRecord::DayCalories(zeros), 0.0);

    QVERIFY(MealRecord::Decode(std::string(4096, 'x')).entries.empty()); // no zero byte at all

    std::mt19937 random(20261205);
    for (int round = 0; round < 2000; ++round) {
        std::vector<char> bytes(random() % 300);
        for (char &byte : bytes)
            byte = char(random() % 4 == 0 ? 0xD3 : random());
        const std::string_view image(bytes.data(), bytes.size());
        const MealRecord::Decoded result = MealRecord::Decode(image);
        QVERIFY(result.consumed <= bytes.size());
        std::size_t length = 0;
        for (const MealEntry &entry : result.entries)
            length += entry.name.size() + entry.unit.size() + MealRecord::FixedBytes;
        QCOMPARE(length, result.consumed);
        MealRecord::DayCalories(image);
    }
}

void TestMealRecord::totalsInSinglePrecision()
{
    // 2^24 + 1 + 1 stays 2^24 in single precision when added in list order.
    std::vector<MealEntry> entries {sampleEntry("Big", 16777216.0f), sampleEntry("One", 1.0f),
                                    sampleEntry("Two", 1.0f)};
    for (MealEntry &entry : entries) {
        entry.nutrients.fill(0.0f);
        entry.nutrients[Nutrient::Fat] = 1.0f;
    }
    const Nutrients totals = MealRecord::Totals(entries);
    QCOMPARE(totals[Nutrient::Fat], 16777216.0f);
    QCOMPARE(totals[Nutrient::Calories], 0.0f);
    QCOMPARE(MealRecord::Totals({}), Nutrients {});
}

void TestMealRecord::dayCalories()
{
    // 2 eggs of 50 g at 1.5 kcal/g, half a 100 g cup at 2.25, and 30 g at 4: 150 + 112.5 + 120.
    const auto portion = [](float amount, float gramsPerUnit, float calories, float fat) {
        MealEntry entry = sampleEntry("x", amount, "g", gramsPerUnit);
        entry.nutrients.fill(0.0f);
        entry.nutrients[Nutrient::Calories] = calories;
        entry.nutrients[Nutrient::Fat] = fat;
        return entry;
    };
    const std::vector<MealEntry> entries {portion(2.0f, 50.0f, 1.5f, 0.125f),
                                          portion(0.5f, 100.0f, 2.25f, 0.0f),
                                          portion(30.0f, 1.0f, 4.0f, 0.5f)};
    std::string image;
    for (const MealEntry &entry : entries)
        image += MealRecord::Encode(entry);
    QCOMPARE(MealRecord::DayCalories(image), 382.5);
    QCOMPARE(MealRecord::DayCalories(entries), 382.5);
    const Nutrients totals = MealRecord::Totals(entries);
    QCOMPARE(totals[Nutrient::Calories], 382.5f);
    QCOMPARE(totals[Nutrient::Fat], 27.5f);
    QCOMPARE(entries[0].contribution(Nutrient::Calories), 150.0f);
    const MealRecord::Decoded decoded = MealRecord::Decode(image);
    QCOMPARE(MealRecord::Totals(decoded.entries)[Nutrient::Calories], 382.5f);
}

void TestMealRecord::storableAmounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("storable");
    QTest::newRow("one") << 1.0 << true;
    QTest::newRow("a thousandth") << 0.001 << true;
    QTest::newRow("largest float") << double(std::numeric_limits<float>::max()) << true;
    QTest::newRow("zero") << 0.0 << false;
    QTest::newRow("negative") << -1.0 << false;
    QTest::newRow("beyond a float") << 1e39 << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
}

void TestMealRecord::storableAmounts()
{
    QFETCH(double, amount);
    QFETCH(bool, storable);
    QCOMPARE(IsStorableAmount(amount), storable);
}

QTEST_GUILESS_MAIN(TestMealRecord)
#include "tst_mealrecord.moc"
