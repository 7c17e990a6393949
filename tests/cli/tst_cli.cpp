// SPDX-License-Identifier: GPL-3.0-or-later
// The real corvalo-cli on a diary of its own: an add writes the very bytes the real window's Add
// writes for the same food, unit and amount (the user's foods merged in both), names it cannot
// place are answered with the closest foods, and every outcome has its exit status.
#include "CliProcess.h"
#include "MainWindowUnderTest.h"
#include "TempFolder.h"
#include "app/CCorvaloDlg.h"
#include "food/UserFoodTable.h"
#include "layout/DialogLayout.h"
#include "platform/FileIo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// Two foods of the user's: one with letters beyond ASCII, one that differs from a food of the
// database only in case.
const char *const MyFoods = "Cr\xc3\xa8me fra\xc3\xae"
                            "che, homemade\tg\t340\t3\t35\t2\t-\t100\t40"
                            "\t22\t100\t3\t15 L\xc3\xb6"
                            "ffel\n"
                            "apples, raw, with skin\tg\t52\t14\t0.2\t0.3\t2.4\t6\t1\t0.03\t0\t10"
                            "\t100 piece\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void addWritesWhatTheWindowsAddWrites_data();
    void addWritesWhatTheWindowsAddWrites();
    void namesItCannotPlace();
    void exitStatuses();
    void activities();
    void dailyUse();

private:
    Outcome run(const QStringList &arguments) const;
    fs::path diary(const TempFolder &temp, const char *name) const;

    TempFolder m_home;
};

void TestCli::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
    QVERIFY(fs::exists(CORVALO_CLI));
}

Outcome TestCli::run(const QStringList &arguments) const
{
    return RunCli(m_home.path(), arguments);
}

fs::path TestCli::diary(const TempFolder &temp, const char *name) const
{
    const fs::path root = temp.make(name);
    temp.make(std::string(name) + "/db");
    temp.make(std::string(name) + "/note");
    if (!FileIo::writeAtomically(root / UserFoodTable::FileName, MyFoods))
        return {};
    return root;
}

void TestCli::addWritesWhatTheWindowsAddWrites_data()
{
    QTest::addColumn<QByteArray>("food");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QString>("typed"); // in the search box
    QTest::newRow("database food, unit with a comma")
        << QByteArray("Apples, raw, with skin") << QByteArray("cup, quartered or chopped")
        << QStringLiteral("apples");
    QTest::newRow("own food, not ASCII") << QByteArray("Cr\xc3\xa8me fra\xc3\xae"
                                                       "che, homemade")
                                         << QByteArray("L\xc3\xb6"
                                                       "ffel")
                                         << QStringLiteral("homemade");
    QTest::newRow("standard pair") << QByteArray("Apples, raw, with skin") << QByteArray("oz")
                                   << QStringLiteral("apples raw skin");
}

void TestCli::addWritesWhatTheWindowsAddWrites()
{
    QFETCH(QByteArray, food);
    QFETCH(QByteArray, unit);
    QFETCH(QString, typed);
    const TempFolder temp;
    const fs::path byCli = diary(temp, "cli");
    QVERIFY(!byCli.empty());

    const Outcome added =
        run({QStringLiteral("--data"), QString::fromStdString(byCli.string()),
             QStringLiteral("add"), QStringLiteral("2026-12-05"), QString::fromUtf8(food),
             QStringLiteral("2"), QString::fromUtf8(unit)});
    QVERIFY2(added.status == 0, added.err.constData());
    QVERIFY(added.out.startsWith(
        QByteArray(QByteArray("Added to 2026-12-05: 2.0 ") + unit + ' ' + food)));

    // The window on a diary with the same foods of the user's: the food searched and picked
    // from the list, the unit from the unit box, the amount typed, Add, on the window's today.
    MainWindowUnderTest window;
    QVERIFY(window.open(1, [](const fs::path &folder) {
        QVERIFY(bool(FileIo::writeAtomically(folder / UserFoodTable::FileName, MyFoods)));
    }));
    CCorvaloDlg &dialog = *window.dialog;
    QVERIFY(dialog.foods().recordCount() > 8000);
    QTest::keyClicks(static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox)), typed);
    auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
    const QModelIndexList rows =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, QString::fromUtf8(food),
                             1, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QCOMPARE(rows.size(), 1);
    list->scrollTo(rows.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(rows.first()).center());
    auto *units = static_cast<QComboBox *>(dialog.control(DialogLayout::UnitBox));
    units->setCurrentIndex(units->findText(QString::fromUtf8(unit)));
    QVERIFY(units->currentIndex() >= 0);
    auto *amount = static_cast<QLineEdit *>(dialog.control(DialogLayout::AmountBox));
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("2"));
    QTest::mouseClick(dialog.control(DialogLayout::AddButton), Qt::LeftButton);

    const std::optional<std::string> cliBytes = FileIo::readAll(byCli / "db/12-05-2026.db");
    const std::optional<std::string> windowBytes =
        FileIo::readAll(window.folder() / "db/12-05-2026.db");
    QVERIFY(cliBytes && windowBytes && !windowBytes->empty());
    QCOMPARE(QByteArray::fromStdString(*cliBytes), QByteArray::fromStdString(*windowBytes));
}

void TestCli::namesItCannotPlace()
{
    const TempFolder temp;
    const fs::path root = diary(temp, "diary");
    const QString data = QString::fromStdString(root.string());

    // Words that two foods answer equally well (the database's and the user's): the best
    // matches named, nothing stored.
    const Outcome unclear =
        run({QStringLiteral("--data"), data, QStringLiteral("add"), QStringLiteral("2026-12-07"),
             QStringLiteral("apple raw"), QStringLiteral("1"), QStringLiteral("oz")});
    QCOMPARE(unclear.status, 1);
    QVERIFY2(unclear.err.startsWith("corvalo-cli: \"apple raw\" could be more than one food, so "
                                    "nothing is logged; give more of the name:\n  Apples, raw, "
                                    "with skin\n  apples, raw, with skin (your own food)\n"),
             unclear.err.constData());
    // A unit's first word that starts two of its units.
    const Outcome unclearUnit =
        run({QStringLiteral("--data"), data, QStringLiteral("add"), QStringLiteral("2026-12-07"),
             QStringLiteral("banana"), QStringLiteral("1"), QStringLiteral("cup")});
    QCOMPARE(unclearUnit.status, 1);
    QCOMPARE(unclearUnit.err,
             QByteArray("corvalo-cli: \"cup\" could be more than one unit of \"Bananas, raw\", "
                        "so nothing is logged: cup, mashed | cup, sliced\n"));

    // The database's food and the user's differ only in case.
    const Outcome ambiguous =
        run({QStringLiteral("--data"), data, QStringLiteral("add"), QStringLiteral("2026-12-07"),
             QStringLiteral("APPLES, RAW, WITH SKIN"), QStringLiteral("1"), QStringLiteral("oz")});
    QCOMPARE(ambiguous.status, 1);
    QCOMPARE(ambiguous.err,
             QByteArray("corvalo-cli: \"APPLES, RAW, WITH SKIN\" names more than "
                        "one food; give one of them exactly:\n"
                        "  Apples, raw, with skin\n"
                        "  apples, raw, with skin (your own food)\n"));

    const Outcome badUnit =
        run({QStringLiteral("--data"), data, QStringLiteral("add"), QStringLiteral("2026-12-07"),
             QStringLiteral("apples, raw, with skin"), QStringLiteral("1"), QStringLiteral("cup")});
    QCOMPARE(badUnit.status, 1);
    QCOMPARE(badUnit.err,
             QByteArray("corvalo-cli: \"cup\" is not a unit of \"apples, raw, with "
                        "skin\"; its units are: piece | oz | g\n"));
    QVERIFY(!fs::exists(root / "db/12-07-2026.db"));

    // An own food named exactly as a food of the database: neither is taken for the other.
    QVERIFY(
        FileIo::writeAtomically(root / UserFoodTable::FileName,
                                "Apples, raw, with skin\tg\t52\t14\t0.2\t0.3\t2.4\t6\t1\t0.03\t0"
                                "\t10\t100 piece\n"));
    const Outcome twice =
        run({QStringLiteral("--data"), data, QStringLiteral("add"), QStringLiteral("2026-12-07"),
             QStringLiteral("Apples, raw, with skin"), QStringLiteral("1"), QStringLiteral("oz")});
    QCOMPARE(twice.status, 1);
    QCOMPARE(twice.err,
             QByteArray("corvalo-cli: \"Apples, raw, with skin\" names more than one "
                        "food, so nothing is logged; rename your own food to tell "
                        "them apart:\n"
                        "  Apples, raw, with skin\n"
                        "  Apples, raw, with skin (your own food)\n"));
    QVERIFY(!fs::exists(root / "db/12-07-2026.db"));
}

void TestCli::exitStatuses()
{
    const TempFolder temp;
    const QString data = QString::fromStdString(diary(temp, "diary").string());

    const Outcome version = run({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith("corvalo-cli "));

    const Outcome help = run({QStringLiteral("help"), QStringLiteral("add")});
    QCOMPARE(help.status, 0);
    QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--help")}).out, help.out);

    const Outcome usage = run({QStringLiteral("day"), QStringLiteral("12/07/2026")});
    QCOMPARE(usage.status, 2);
    QVERIFY(usage.out.isEmpty());
    QVERIFY(usage.err.startsWith("corvalo-cli: day: \"12/07/2026\" is not a date"));

    QCOMPARE(run({}).status, 2);

    const Outcome missing =
        run({QStringLiteral("--data"), data + QStringLiteral("/none"), QStringLiteral("day")});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.err.startsWith("corvalo-cli: the data folder "));

    const Outcome weight = run({QStringLiteral("--data"), data, QStringLiteral("weight"),
                                QStringLiteral("2026-12-07"), QStringLiteral("72.5")});
    QCOMPARE(weight.status, 0);
    QCOMPARE(weight.out, QByteArray("72.5\n"));

    // A folder where a day's file belongs is a failure, as for a note.
    fs::create_directory(temp / "diary/db/12-08-2026.wth");
    for (const char *command : {"weight", "day"}) {
        const Outcome blocked = run({QStringLiteral("--data"), data, QString::fromLatin1(command),
                                     QStringLiteral("2026-12-08")});
        QCOMPARE(blocked.status, 1);
        QVERIFY2(blocked.err.endsWith("corvalo-cli: the weight of 2026-12-08 could not be read (a "
                                      "folder, pipe or device sits where the file should be)\n"),
                 blocked.err.constData());
    }
}

// Activities typed in, summed, and a line another program wrote that cannot be read kept.
void TestCli::activities()
{
    const TempFolder temp;
    const QString data = QString::fromStdString(diary(temp, "diary").string());
    const auto activity = [&](const QStringList &rest) {
        return run(QStringList {QStringLiteral("--data"), data, QStringLiteral("activity"),
                                QStringLiteral("2026-12-07")} +
                   rest);
    };
    QCOMPARE(
        activity({QStringLiteral("Cycling"), QStringLiteral("45"), QStringLiteral("380")}).status,
        0);
    QVERIFY(
        FileIo::append(temp / "diary/db/12-07-2026.act", "Rowing\tlong\t100\nSwim\t20\t100 kcal\n")
            .ok());
    const Outcome added = activity(
        {QStringLiteral("Walking the dog"), QStringLiteral("30.5"), QStringLiteral("120")});
    QCOMPARE(added.status, 0);
    QCOMPARE(added.out,
             QByteArray("2026-12-07\n  Cycling, 45 min, 380 kcal\n  Walking the dog, "
                        "30.5 min, 120 kcal\nBurned:         500 kcal\n"));
    QVERIFY(added.err.contains("2 lines of 12-07-2026.act could not be read; they are kept"));
    QCOMPARE(FileIo::readAll(temp / "diary/db/12-07-2026.act"),
             std::optional<std::string>("Cycling\t45\t380\nRowing\tlong\t100\nSwim\t20\t100 "
                                        "kcal\nWalking the dog\t30.5\t120\n"));
    for (const QStringList &wrong :
         {QStringList {QStringLiteral("Swim"), QStringLiteral("2000"), QStringLiteral("1")},
          QStringList {QStringLiteral("Swim"), QStringLiteral("20"), QStringLiteral("150kcal")},
          QStringList {QStringLiteral("Swim")}})
        QCOMPARE(activity(wrong).status, 2);
    const Outcome day =
        run({QStringLiteral("--data"), data, QStringLiteral("day"), QStringLiteral("2026-12-07")});
    QVERIFY2(day.out.endsWith("Burned:         500 kcal\n"), day.out.constData());

    // One file to standard output, without the byte order mark, numbers as asked.
    const Outcome csv = run({QStringLiteral("--data"), data, QStringLiteral("export"),
                             QStringLiteral("--from=2026-12-07"), QStringLiteral("--to=2026-12-07"),
                             QStringLiteral("--file=activities"), QStringLiteral("--decimal-comma"),
                             QStringLiteral("-")});
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out,
             QByteArray("Date,Activity,Minutes,Calories burned\r\n"
                        "2026-12-07,Cycling,45,380\r\n"
                        "2026-12-07,Walking the dog,\"30,5\",120\r\n"));
}

// The shell user's day: a food by its words and a unit by its first word, the entries numbered,
// one changed and one removed, a note from standard input; reading makes no folder.
void TestCli::dailyUse()
{
    const TempFolder temp;
    const QString data = QString::fromStdString(diary(temp, "diary").string());
    const auto cli = [&](const QString &line, const QByteArray &input = {}) {
        return RunCli(m_home.path(),
                      QStringList {QStringLiteral("--data"), data} + line.split(QLatin1Char(' ')),
                      input);
    };
    const Outcome banana = cli(QStringLiteral("add 2026-12-07 banana 1,5 medium"));
    QCOMPARE(banana.status, 0);
    QCOMPARE(banana.out,
             QByteArray("Added to 2026-12-07: 1.5 medium (7\" to 7-7/8\" long) Bananas, raw\n"));
    QCOMPARE(cli(QStringLiteral("add 2026-12-07 apples raw without skin 2 oz")).status, 0);
    // Of two foods ranked alike, the one named by exactly the words: "with" is not "without"
    // (in a diary without the own food of the same name).
    const QString plain = QString::fromStdString(temp.make("plain").string());
    QCOMPARE(
        RunCli(
            m_home.path(),
            QStringList {QStringLiteral("--data"), plain} +
                QStringLiteral("add 2026-12-08 apples raw with skin 1 oz").split(QLatin1Char(' ')))
            .out,
        QByteArray("Added to 2026-12-08: 1.0 oz Apples, raw, with skin\n"));
    QCOMPARE(cli(QStringLiteral("add 2026-12-07 banana 100 g")).status, 0);

    const Outcome edited = cli(QStringLiteral("edit 2026-12-07 2 3"));
    QCOMPARE(edited.status, 0);
    QCOMPARE(edited.out,
             QByteArray("Changed on 2026-12-07: 2.0 oz Apples, raw, without skin is "
                        "now 3.0 oz\n"));
    QCOMPARE(
        cli(QStringLiteral("del 2026-12-07 1")).out,
        QByteArray("Removed from 2026-12-07: 1.5 medium (7\" to 7-7/8\" long) Bananas, raw\n"));
    const Outcome gone = cli(QStringLiteral("del 2026-12-07 3"));
    QCOMPARE(gone.status, 1);
    QCOMPARE(gone.err,
             QByteArray("corvalo-cli: 2026-12-07 has 2 entries, no entry 3; day "
                        "2026-12-07 lists them\n"));
    const Outcome day = cli(QStringLiteral("day 2026-12-07"));
    QVERIFY2(day.out.startsWith("2026-12-07\n  1. 3.0 oz  Apples, raw, without skin\n  2. 100 g   "
                                "Bananas, raw\nCalories:       "),
             day.out.constData());

    QCOMPARE(cli(QStringLiteral("note 2026-12-07 -"),
                 "Ate out.\nL\xc3\xb6"
                 "ffel\n")
                 .status,
             0);
    QCOMPARE(cli(QStringLiteral("note 2026-12-07")).out,
             QByteArray("Ate out.\nL\xc3\xb6"
                        "ffel\n"));

    // For other programs: 100 g of banana is 89 kcal by the food data.
    const QList<QByteArray> rows = cli(QStringLiteral("day 2026-12-07 --tsv")).out.split('\n');
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0],
             QByteArray("number\tfood\tamount\tunit\tgrams\tenergy\tcarbohydrates\t"
                        "protein\tfat\tsaturated_fat\tcholesterol\tfiber\tsugars\t"
                        "sodium\tcalcium"));
    QVERIFY2(rows[2].startsWith("2\tBananas, raw\t100\tg\t100\t89\t"), rows[2].constData());
    const QByteArray json = cli(QStringLiteral("day 2026-12-07 --json")).out;
    QVERIFY2(json.contains("\"weight\": null,\n  \"burned\": null,\n  \"note\": \"Ate "
                           "out.\\nL\xc3\xb6"
                           "ffel\\n\"\n}\n"),
             json.constData());

    // Reading a diary CORVALO_DATA names before anything is written makes nothing, anywhere.
    const QString unmade = QString::fromStdString((temp / "unmade").string());
    for (const char *line : {"day", "search apple", "where", "note", "weight", "conflicts"}) {
        const Outcome read =
            RunCli(m_home.path(), QString::fromLatin1(line).split(QLatin1Char(' ')), {}, unmade);
        QVERIFY2(read.status == 0, line);
    }
    QVERIFY(!fs::exists(temp / "unmade"));
    QVERIFY(!fs::exists(m_home.path() / "share"));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
