// SPDX-License-Identifier: GPL-3.0-or-later
// corvalo-cli's arguments: what each command takes, and a usage error in words for the rest;
// and the diary it finds without them, which must be the window's.
#include "CommandLine.h"
#include "TempFolder.h"
#include "platform/DataFolders.h"

#include <QtTest>
#include <cerrno>
#include <map>

using CommandLine::Kind;

namespace {

// Arguments separated by "|".
std::vector<std::string> split(std::string_view line)
{
    std::vector<std::string> arguments;
    while (!line.empty()) {
        const std::size_t bar = std::min(line.find('|'), line.size());
        arguments.emplace_back(line.substr(0, bar));
        line.remove_prefix(std::min(bar + 1, line.size()));
    }
    return arguments;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void dates();
    void commands();
    void usageErrors_data();
    void usageErrors();
    void diaryFolder();
};

void TestCommandLine::dates()
{
    QVERIFY(CommandLine::ParseDate("2026-12-07") == (DayFiles::LocalDate {7, 12, 2026}));
    QVERIFY(CommandLine::ParseDate("2024-02-29") == (DayFiles::LocalDate {29, 2, 2024}));
    for (const char *bad :
         {"2026-02-29", "2026-13-01", "2026-12-00", "2026-12-7", "07.12.2026", "2026/12/07",
          "12-07-2026", "2026-12-07x", " 2026-12-07", "", "0999-01-01"})
        QVERIFY2(!CommandLine::ParseDate(bad), bad);
}

void TestCommandLine::commands()
{
    auto parsed = CommandLine::Parse(split("--data|/tmp/d|add|2026-12-07|Apples, raw|0.5|oz"));
    QVERIFY(parsed.command);
    QCOMPARE(parsed.command->kind, Kind::Add);
    QCOMPARE(parsed.command->dataFolder, std::filesystem::path("/tmp/d"));
    QVERIFY(parsed.command->date == (DayFiles::LocalDate {7, 12, 2026}));
    QCOMPARE(parsed.command->text, std::string("Apples, raw"));
    QCOMPARE(parsed.command->amount, std::string("0.5"));
    QCOMPARE(parsed.command->unit, std::string("oz"));

    parsed = CommandLine::Parse(split("export|out|--to=2026-12-31|--from|2026-12-01"));
    QVERIFY(parsed.command);
    QCOMPARE(parsed.command->kind, Kind::Export);
    QVERIFY(parsed.command->from == (DayFiles::LocalDate {1, 12, 2026}));
    QVERIFY(parsed.command->to == (DayFiles::LocalDate {31, 12, 2026}));
    QCOMPARE(parsed.command->folder, std::filesystem::path("out"));

    parsed = CommandLine::Parse(split("search|--best|milk"));
    QVERIFY(parsed.command && parsed.command->bestMatchesFirst);
    QCOMPARE(parsed.command->text, std::string("milk"));

    parsed = CommandLine::Parse(split("day"));
    QVERIFY(parsed.command && parsed.command->kind == Kind::Day && !parsed.command->date);

    // Help for a command, asked either way; the version whatever else is there.
    for (const char *line : {"add|--help", "help|add", "-h|add"}) {
        parsed = CommandLine::Parse(split(line));
        QVERIFY2(parsed.command && parsed.command->kind == Kind::Help, line);
        QCOMPARE(parsed.command->topic, std::string("add"));
    }
    QVERIFY(CommandLine::Help("add").starts_with("Usage: corvalo-cli add [DATE] FOOD..."));

    // Words unquoted; the amount is the first argument that is a number, with either point.
    parsed = CommandLine::Parse(split("add|-2|apple|raw|1,5|cup|slices"));
    QVERIFY(parsed.command && parsed.command->date);
    QCOMPARE(parsed.command->text, std::string("apple raw"));
    QCOMPARE(parsed.command->amount, std::string("1.5"));
    QCOMPARE(parsed.command->unit, std::string("cup slices"));
    parsed = CommandLine::Parse(split("weight|72,8"));
    QVERIFY(parsed.command && parsed.command->date && parsed.command->weight == "72.8");
    parsed = CommandLine::Parse(split("search|apple|raw"));
    QVERIFY(parsed.command && parsed.command->text == "apple raw");

    // Every line of every help within 80 columns.
    for (const char *topic :
         {"", "search", "day", "report", "add", "recipe", "weight", "complete", "activity", "note",
          "del", "edit", "export", "conflicts", "merge", "where"}) {
        const std::string help = CommandLine::Help(topic);
        QVERIFY2(!help.empty(), topic);
        std::size_t start = 0;
        while (start < help.size()) {
            const std::size_t end = std::min(help.find('\n', start), help.size());
            QVERIFY2(end - start <= 80, help.substr(start, end - start).c_str());
            start = end + 1;
        }
    }
    parsed = CommandLine::Parse(split("--version"));
    QVERIFY(parsed.command && parsed.command->kind == Kind::Version);
}

void TestCommandLine::usageErrors_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << ""
                             << "no command given";
    QTest::newRow("unknown command") << "eat|apple"
                                     << "unknown command \"eat\"";
    QTest::newRow("unknown option") << "day|--verbose"
                                    << "unknown option \"--verbose\"";
    QTest::newRow("option of another command") << "day|--best"
                                               << "day takes no option --best";
    QTest::newRow("missing value") << "search|x|--data"
                                   << "the option --data needs a value";
    QTest::newRow("bad date")
        << "day|7.12.2026"
        << "day: \"7.12.2026\" is not a date; write it YYYY-MM-DD (2026-12-07), today, "
           "yesterday, -N or a weekday";
    QTest::newRow("no real date") << "note|2026-02-30"
                                  << "note: \"2026-02-30\" is not a date;";
    QTest::newRow("too few") << "add"
                             << "add: too few arguments";
    QTest::newRow("too many") << "del|2026-12-07|1|x"
                              << "del: too many arguments (\"x\"";
    QTest::newRow("no amount") << "add|2026-12-07|Apples|none|oz"
                               << "add: the amount is missing";
    QTest::newRow("zero amount") << "add|2026-12-07|Apples|0|oz"
                                 << "add: \"0\" is no amount";
    // Above zero, but 0 in the day file's float.
    QTest::newRow("amount below a float") << "add|2026-12-07|Apples|1e-46|oz"
                                          << "add: \"1e-46\" is no amount";
    QTest::newRow("bad weight") << "weight|2026-12-07|heavy"
                                << "weight: \"heavy\" is not a number";
    QTest::newRow("thousands") << "add|banana|1,000|g"
                               << "add: the comma in \"1,000\" could be a thousands separator";
    QTest::newRow("amount over the limit") << "add|banana|100001|g"
                                           << "add: \"100001\" is more than any amount";
    QTest::newRow("weight over the limit") << "weight|1000.5"
                                           << "weight: \"1000.5\" is more than any weight";
    QTest::newRow("no entry 0") << "del|today|0"
                                << "del: \"0\" is not an entry's number";
    QTest::newRow("export without range") << "export|out"
                                          << "export: both --from DATE and --to";
    QTest::newRow("export backwards") << "export|--from|2026-12-08|--to|2026-12-07|out"
                                      << "export: the --from date comes after";
    QTest::newRow("help on nothing") << "help|eat"
                                     << "no help for \"eat\"";
}

void TestCommandLine::usageErrors()
{
    QFETCH(QString, arguments);
    QFETCH(QString, error);
    const CommandLine::Parsed parsed = CommandLine::Parse(split(arguments.toStdString()));
    QVERIFY(!parsed.command);
    QVERIFY2(parsed.error.starts_with(error.toStdString()), parsed.error.c_str());
}

void TestCommandLine::diaryFolder()
{
#if defined(__linux__)
    // Where Qt's application data location puts it.
    const auto perUser = [](std::map<std::string, std::string> variables) {
        return DataFolders::PerUser([&](const char *name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        });
    };
    using Path = std::filesystem::path;
    QCOMPARE(perUser({{"HOME", "/home/me"}}), Path("/home/me/.local/share/Corvalo/Corvalo"));
    QCOMPARE(perUser({{"HOME", "/home/me/"}, {"XDG_DATA_HOME", ""}}),
             Path("/home/me/.local/share/Corvalo/Corvalo"));
    QCOMPARE(perUser({{"HOME", "/home/me"}, {"XDG_DATA_HOME", "/data"}}),
             Path("/data/Corvalo/Corvalo"));
    QCOMPARE(perUser({}), Path("/.local/share/Corvalo/Corvalo"));
#endif

    // A folder that cannot be written gives way to the per-user one, unless it holds a diary.
    const TempFolder temp;
    QVERIFY(FileIo::writeAtomically(temp.make("diary/db") / "12-07-2026.wth", "abcd"));
    FileIo::setOpenErrorForTesting(EACCES);
    const DataFolders::Choice empty = DataFolders::Choose(temp.make("empty"), temp / "user");
    const DataFolders::Choice diary = DataFolders::Choose(temp / "diary", temp / "user");
    FileIo::setOpenErrorForTesting(0);
    QCOMPARE(empty.folder, temp / "user");
    QCOMPARE(diary.folder, temp / "diary");
    QVERIFY(!diary.writable.ok());
    QVERIFY(std::filesystem::is_directory(temp / "user/note"));
    const DataFolders::Choice writable = DataFolders::Choose(temp / "empty", temp / "user");
    QVERIFY(writable.writable.ok());
    QCOMPARE(writable.folder, temp / "empty");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
