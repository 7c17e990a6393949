// SPDX-License-Identifier: GPL-3.0-or-later
// Which folder holds the diary: --data, then CORVALO_DATA, then the folder chosen in Settings
// while it is there, then the folder beside the program (the per-user one for an installed copy).
#include "TempFolder.h"
#include "platform/DiaryLocation.h"

#include <QtTest>
#include <map>

namespace fs = std::filesystem;
using DiaryLocation::Source;

class TestDiaryLocation : public QObject
{
    Q_OBJECT

private slots:
    void firstThatAppliesDecides();
};

void TestDiaryLocation::firstThatAppliesDecides()
{
    const TempFolder temp;
    std::map<std::string, std::string> variables {
        {"HOME", (temp / "home").string()},
        {"XDG_CONFIG_HOME", (temp / "config").string()},
        {"XDG_DATA_HOME", (temp / "share").string()},
    };
    const DataFolders::Environment environment = [&](const char *name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
    const fs::path program = temp.make("program");
    const auto resolve = [&](const fs::path &dataOption = {}, bool installed = false) {
        return DiaryLocation::Resolve(dataOption, program, installed, environment);
    };

    DiaryLocation::Resolved resolved = resolve();
    QCOMPARE(resolved.source, Source::BesideProgram);
    QCOMPARE(resolved.folder, program);
    QVERIFY(resolved.writable.ok() && fs::is_directory(program / "db"));
    QCOMPARE(resolve({}, true).source, Source::PerUser);
#if defined(__linux__)
    QCOMPARE(resolve({}, true).folder, temp / "share/Corvalo/Corvalo");
#endif

    // Remembered as one line of UTF-8 in this computer's configuration, whatever the letters.
    const fs::path chosen = temp.make("Tageb\xc3\xbc"
                                      "cher");
    QVERIFY(DiaryLocation::Remember(chosen, environment));
#if defined(__linux__)
    QCOMPARE(FileIo::readAll(temp / "config/Corvalo/diary-folder").value(),
             (temp /
              "Tageb\xc3\xbc"
              "cher")
                     .string() +
                 "\n");
#endif
    resolved = resolve();
    QCOMPARE(resolved.source, Source::Chosen);
    QCOMPARE(resolved.folder, chosen);
    QVERIFY(fs::is_directory(chosen / "note"));
    QCOMPARE(resolve({}, true).source, Source::Chosen);

    variables["CORVALO_DATA"] = ""; // empty: as if unset
    QCOMPARE(resolve().source, Source::Chosen);
    variables["CORVALO_DATA"] = (temp / "synced/diary").string(); // made when missing
    resolved = resolve();
    QCOMPARE(resolved.source, Source::Environment);
    QCOMPARE(resolved.folder, temp / "synced/diary");
    QVERIFY(resolved.writable.ok() && fs::is_directory(temp / "synced/diary/db"));

    // A file is no diary folder: said, and the next rule decides.
    QVERIFY(FileIo::writeAtomically(temp / "a file", "x"));
    variables["CORVALO_DATA"] = (temp / "a file").string();
    resolved = resolve();
    QCOMPARE(resolved.source, Source::Chosen);
    QCOMPARE(resolved.passedOverFrom, std::optional(Source::Environment));
    QCOMPARE(resolved.passedOver, temp / "a file");

    resolved = resolve(temp.make("given"));
    QCOMPARE(resolved.source, Source::DataOption);
    QCOMPARE(resolved.folder, temp / "given");
    QVERIFY(resolve(temp / "not there").folder.empty());

    // A chosen folder that is gone is said, and the usual folder is used; the choice stays.
    variables.erase("CORVALO_DATA");
    fs::remove_all(chosen);
    resolved = resolve();
    QCOMPARE(resolved.source, Source::BesideProgram);
    QCOMPARE(resolved.passedOver, chosen);
    QVERIFY(DiaryLocation::NoticeText(resolved).starts_with("Your diary folder " + chosen.string() +
                                                            " is not there"));
    QVERIFY(!fs::exists(chosen));
    QCOMPARE(DiaryLocation::ReadChoice(environment).folder, chosen);

    QVERIFY(DiaryLocation::Forget(environment));
    resolved = resolve();
    QCOMPARE(resolved.source, Source::BesideProgram);
    QVERIFY(resolved.notice == nullptr);
}

QTEST_GUILESS_MAIN(TestDiaryLocation)
#include "tst_diarylocation.moc"
