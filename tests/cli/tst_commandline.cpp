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
    QVERIFY(CommandLine::Help("add").starts_with("Usage: corvalo-cli add DATE FOOD AMOUNT UNIT"));
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
        << "day: \"7.12.2026\" is not a date; write it YYYY-MM-DD, as 2026-12-07";
    QTest::newRow("no real date") << "note|2026-02-30"
                                  << "note: \"2026-02-30\" is not a date;";
    QTest::newRow("too few") << "add|2026-12-07|Apples|2"
                             << "add: too few arguments";
    QTest::newRow("too many") << "note|2026-12-07|x"
                              << "note: too many arguments (\"x\"";
    QTest::newRow("no amount") << "add|2026-12-07|Apples|none|oz"
                               << "add: \"none\" is not an amount";
    QTest::newRow("zero amount") << "add|2026-12-07|Apples|0|oz"
                                 << "add: \"0\" is not an amount";
    // Above zero, but 0 in the day file's float.
    QTest::newRow("amount below a float") << "add|2026-12-07|Apples|1e-46|oz"
                                          << "add: \"1e-46\" is not an amount";
    QTest::newRow("bad weight") << "weight|2026-12-07|heavy"
                                << "weight: \"heavy\" is not a weight";
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
