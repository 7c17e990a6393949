// SPDX-License-Identifier: GPL-3.0-or-later
// The real corvalo-cli on every nutrient: day --all with its unknowns, coverage and targets, and
// report as text and as JSON.
#include "CliProcess.h"
#include "TempFolder.h"
#include "food/NutrientCatalogue.h"
#include "platform/FileIo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// A food of the user's that knows its calories only: 250 kcal per 100 g.
const char *const LoafFoods = "Test loaf\tg\t250\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";

} // namespace

class TestNutritionCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dayAll();
    void report();
    void usageErrors();

private:
    Outcome run(const QStringList &arguments) const;
    bool add(const char *date, const char *food, const char *amount) const;

    TempFolder m_temp;
    QString m_data;
};

void TestNutritionCli::initTestCase()
{
    QVERIFY(fs::exists(CORVALO_CLI));
    m_temp.make("share");
    m_temp.make("diary/db");
    m_temp.make("diary/note");
    m_data = QString::fromStdString((m_temp / "diary").string());
    QVERIFY(FileIo::writeAtomically(m_temp / "diary" / "myfoods.tsv", LoafFoods).ok());
}

Outcome TestNutritionCli::run(const QStringList &arguments) const
{
    return RunCli(m_temp.path(), QStringList {QStringLiteral("--data"), m_data} + arguments);
}

bool TestNutritionCli::add(const char *date, const char *food, const char *amount) const
{
    return run({QStringLiteral("add"), QString::fromUtf8(date), QString::fromUtf8(food),
                QString::fromUtf8(amount), QStringLiteral("g")})
               .status == 0;
}

// 182 g of raw apple with skin: vitamin C 4.6 mg/100 g x 1.82 = 8.4 mg, 52 kcal/100 g = 94.64
// kcal; with 100 g of the loaf (250 kcal) vitamin C is known for 94.64 / 344.64 = 27 % of them.
void TestNutritionCli::dayAll()
{
    QVERIFY(add("2026-03-01", "Apples, raw, with skin", "182"));
    const Outcome apple =
        run({QStringLiteral("day"), QStringLiteral("2026-03-01"), QStringLiteral("--all"),
             QStringLiteral("--sex"), QStringLiteral("female"), QStringLiteral("--age"),
             QStringLiteral("25")});
    QCOMPARE(apple.status, 0);
    const QString text = QString::fromUtf8(apple.out);
    QVERIFY2(text.contains(QRegularExpression(
                 QStringLiteral("\n  Vitamin C +8\\.4 mg +target 75 mg \\(RDA\\), upper limit "
                                "2000 mg\n"))),
             apple.out.constData());
    QVERIFY(text.contains(QStringLiteral("\nVitamins\n")));
    // Nothing of the day knows it: unknown, never 0.
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("\n  Trans fat +- g\n"))));
    QVERIFY(text.contains(QRegularExpression(
        QStringLiteral("\n  Magnesium +[0-9.]+ mg +target 310 mg \\(RDA\\), upper limit 350 mg "
                       "\\(not for food, see below\\)\n      The upper limit is for magnesium"))));
    QVERIFY(!text.contains(QStringLiteral("known for")));
    // Without --all the ten rows are there and nothing of the others.
    const Outcome ten = run({QStringLiteral("day"), QStringLiteral("2026-03-01")});
    QVERIFY(!ten.out.contains("Vitamin C") && ten.out.contains("Calories:"));

    QVERIFY(add("2026-03-01", "Test loaf", "100"));
    const Outcome both =
        run({QStringLiteral("day"), QStringLiteral("2026-03-01"), QStringLiteral("--all")});
    QVERIFY2(QString::fromUtf8(both.out).contains(QRegularExpression(QStringLiteral(
                 "\n  Vitamin C +8\\.4 mg +known for foods giving 27 % of the day's calories\n"))),
             both.out.constData());
}

// Three days, two of them logged; weights on the first and the third. A calorie goal of 100 met
// on the third day only (94.64 kcal, then 52 + 250), a sugar limit of 20 g on both (18.9 g, then
// 10.4 g: the loaf's is unknown); over the range 250 of 396.64 kcal came from
// the loaf (63 %) and 146.64 from apples (37 %).
void TestNutritionCli::report()
{
    QVERIFY(add("2026-04-01", "Apples, raw, with skin", "182"));
    QVERIFY(add("2026-04-03", "Apples, raw, with skin", "100"));
    QVERIFY(add("2026-04-03", "Test loaf", "100"));
    QVERIFY(FileIo::writeAtomically(m_temp / "diary" / "settings.conf",
                                    "Goals/Calories=100\nGoals/Sugars=20\n")
                .ok());
    for (const auto &[date, weight] : {std::pair {"2026-04-01", "72.5"}, {"2026-04-03", "71"}}) {
        QCOMPARE(run({QStringLiteral("weight"), QString::fromUtf8(date), QString::fromUtf8(weight)})
                     .status,
                 0);
    }
    const QStringList range = {QStringLiteral("report"), QStringLiteral("--from"),
                               QStringLiteral("2026-04-01"), QStringLiteral("--to"),
                               QStringLiteral("2026-04-03")};
    const Outcome text = run(range);
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.startsWith("2026-04-01 to 2026-04-03: 2 of 3 days logged\n"),
             text.out.constData());
    QVERIFY(text.out.endsWith("Weight: 72.5 on 2026-04-01, 71.0 on 2026-04-03, change -1.5\n"));
    QVERIFY2(text.out.contains("\nGoals met, of 2 logged days:\nCalories:       1 (at least 100)\n"
                               "Sugars:         2 (at most 20 g)\n"
                               "Foods that gave the most calories (kcal, over the range):\n"
                               "        250   63 %  Test loaf\n"
                               "        147   37 %  Apples, raw, with skin\nWeight:"),
             text.out.constData());

    // Only the third day marked complete: 52 + 250 kcal on the one day counted.
    QCOMPARE(
        run({QStringLiteral("complete"), QStringLiteral("2026-04-03"), QStringLiteral("yes")}).out,
        QByteArray("2026-04-03: complete\n"));
    const Outcome complete = run(range + QStringList {QStringLiteral("--complete")});
    QVERIFY2(complete.out.startsWith("2026-04-01 to 2026-04-03: 2 of 3 days logged, 1 of them "
                                     "marked complete and counted\nAverage per complete day:\n"
                                     "Calories:       302\n"),
             complete.out.constData());
    QVERIFY(run({QStringLiteral("complete"), QStringLiteral("2026-04-03"), QStringLiteral("no")})
                .out.endsWith(": not marked complete\n"));

    const Outcome json =
        run(range + QStringList {QStringLiteral("--all"), QStringLiteral("--json")});
    QCOMPARE(json.status, 0);
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(json.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report[QStringLiteral("days")].toInt(), 3);
    QCOMPARE(report[QStringLiteral("loggedDays")].toInt(), 2);
    const QJsonObject weight = report[QStringLiteral("weight")].toObject();
    QCOMPARE(weight[QStringLiteral("change")].toDouble(), -1.5);
    QCOMPARE(weight[QStringLiteral("end")].toObject()[QStringLiteral("date")].toString(),
             QStringLiteral("2026-04-03"));
    // Vitamin C: (8.372 + 4.6) / 2 = 6.486 mg per logged day; trans fat unknown.
    bool seen = false;
    for (const QJsonValue &value : report[QStringLiteral("perLoggedDay")].toArray()) {
        const QJsonObject nutrient = value.toObject();
        if (nutrient[QStringLiteral("key")] == QStringLiteral("vitamin_c")) {
            QVERIFY(qAbs(nutrient[QStringLiteral("amount")].toDouble() - 6.486) < 0.001);
            QCOMPARE(nutrient[QStringLiteral("unit")].toString(), QStringLiteral("mg"));
            seen = true;
        }
        if (nutrient[QStringLiteral("key")] == QStringLiteral("trans_fat"))
            QVERIFY(nutrient[QStringLiteral("amount")].isNull());
    }
    QVERIFY(seen);
    QCOMPARE(report[QStringLiteral("perLoggedDay")].toArray().size(), NutrientCatalogue::Count);

    // 250 kcal burned on the third day: with the setting its goal is 350, which 302 misses.
    QCOMPARE(run({QStringLiteral("activity"), QStringLiteral("2026-04-03"), QStringLiteral("Run"),
                  QStringLiteral("30"), QStringLiteral("250")})
                 .status,
             0);
    QVERIFY(run(range).out.contains("\nCalories:       1 (at least 100)\n"));
    QVERIFY(FileIo::writeAtomically(m_temp / "diary" / "settings.conf",
                                    "Goals/Calories=100\nAddBurnedToGoal=true\n")
                .ok());
    const Outcome burned = run(range);
    QVERIFY2(burned.out.contains("\nCalories:       0 (at least 100)\n"), burned.out.constData());
    QVERIFY2(
        burned.out.endsWith("Burned: 250 kcal on 1 day, added to the calorie goal of each day\n"),
        burned.out.constData());
}

void TestNutritionCli::usageErrors()
{
    const QStringList mistakes[] = {
        {QStringLiteral("day"), QStringLiteral("--sex"), QStringLiteral("female"),
         QStringLiteral("--age"), QStringLiteral("30")},
        {QStringLiteral("day"), QStringLiteral("--all"), QStringLiteral("--sex"),
         QStringLiteral("female")},
        {QStringLiteral("day"), QStringLiteral("--all"), QStringLiteral("--sex"),
         QStringLiteral("other"), QStringLiteral("--age"), QStringLiteral("30")},
        {QStringLiteral("day"), QStringLiteral("--all"), QStringLiteral("--sex"),
         QStringLiteral("male"), QStringLiteral("--age"), QStringLiteral("0")},
        {QStringLiteral("day"), QStringLiteral("--json"), QStringLiteral("--all")},
        {QStringLiteral("report"), QStringLiteral("--from"), QStringLiteral("2026-04-01")},
        {QStringLiteral("report"), QStringLiteral("--from"), QStringLiteral("2026-04-02"),
         QStringLiteral("--to"), QStringLiteral("2026-04-01")},
    };
    for (const QStringList &arguments : mistakes) {
        const Outcome outcome = run(arguments);
        QVERIFY2(outcome.status == 2 && outcome.out.isEmpty(),
                 qPrintable(arguments.join(QLatin1Char(' '))));
    }
}

QTEST_GUILESS_MAIN(TestNutritionCli)
#include "tst_nutritioncli.moc"
