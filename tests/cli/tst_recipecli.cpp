// SPDX-License-Identifier: GPL-3.0-or-later
// The real corvalo-cli on recipes: a day's meals saved as a recipe and logged on another day,
// which keeps its values when the recipe changes; the file's unreadable lines kept; mistakes.
#include "CliProcess.h"
#include "TempFolder.h"
#include "platform/FileIo.h"

#include <QProcess>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

const char *const kApple = "Apples, raw, with skin";
const char *const kMilk = "Milk, whole, 3.25% milkfat, with added vitamin D";

} // namespace

class TestRecipeCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void savedLoggedAndChanged();
    void keepsBrokenLinesAndRefuses();
    void conflictCopyJoined();

private:
    Outcome run(const QString &diary, const QStringList &arguments) const;
    QString diary(const char *name) const;

    TempFolder m_temp;
};

void TestRecipeCli::initTestCase()
{
    QVERIFY(fs::exists(CORVALO_CLI));
    m_temp.make("share");
}

QString TestRecipeCli::diary(const char *name) const
{
    m_temp.make(std::string(name) + "/db");
    m_temp.make(std::string(name) + "/note");
    return QString::fromStdString((m_temp / name).string());
}

Outcome TestRecipeCli::run(const QString &diary, const QStringList &arguments) const
{
    return RunCli(m_temp.path(), QStringList {QStringLiteral("--data"), diary} + arguments);
}

// A medium apple, 182 g at 52 kcal/100 g (94.64 kcal, vitamin C 4.6 mg/100 g, potassium 107),
// and a 236.588 mL cup of whole milk at 62.9111 kcal/100 mL (148.84 kcal, no vitamin C,
// potassium 136.135): 243.48 kcal, the panel shows 243. Half the 418.588 g, one of two
// servings: 121.74 kcal (122), vitamin C 8.372 / 2 = 4.186 mg, potassium 516.82 / 2 = 258.4 mg.
void TestRecipeCli::savedLoggedAndChanged()
{
    const QString data = diary("scenario");
    const auto cli = [&](std::initializer_list<const char *> arguments) {
        QStringList list;
        for (const char *argument : arguments)
            list << QString::fromUtf8(argument);
        return run(data, list);
    };
    QCOMPARE(cli({"add", "2026-12-07", kApple, "1", "medium (3\" dia)"}).status, 0);
    QCOMPARE(cli({"add", "2026-12-07", kMilk, "1", "cup"}).status, 0);
    const Outcome saved =
        cli({"recipe", "save", "Apple and milk", "--servings", "2", "--from", "2026-12-07"});
    QCOMPARE(saved.out,
             QByteArray("Saved recipe \"Apple and milk\": 2 ingredients, 2 servings "
                        "of 209 g\n"));
    // A day far ahead: the change below, dated today, is in force there by its date.
    QCOMPARE(cli({"add", "2099-01-01", "apple and milk", "1", "serving"}).status, 0);
    QVERIFY(cli({"day", "2026-12-07"}).out.contains("\nCalories:       243\n"));
    const Outcome logged = cli({"day", "2099-01-01"});
    QVERIFY2(logged.out.contains("\n  1. 1.0 serving  Apple and milk\nCalories:       122\n"),
             logged.out.constData());
    const Outcome all = cli({"day", "2099-01-01", "--all"});
    const QString allText = QString::fromUtf8(all.out);
    QVERIFY2(allText.contains(QRegularExpression(QStringLiteral("\n  Vitamin C +4\\.2 mg\n"))) &&
                 allText.contains(QRegularExpression(QStringLiteral("\n  Potassium +258 mg\n"))),
             all.out.constData());

    // Changed to a cup of milk for four: the day logged before stays as it was, in full.
    QCOMPARE(cli({"add", "2026-12-10", kMilk, "1", "cup"}).status, 0);
    const Outcome changed =
        cli({"recipe", "save", "APPLE AND MILK", "--servings", "4", "--from", "2026-12-10"});
    QVERIFY2(changed.out.startsWith("Changed recipe \"Apple and milk\": 1 ingredient, 4 "
                                    "servings of 59 g"),
             changed.out.constData());
    QCOMPARE(cli({"day", "2099-01-01", "--all"}).out, all.out);
    QCOMPARE(cli({"day", "2099-01-01"}).out, logged.out);
    QVERIFY(cli({"recipe", "show", "Apple and milk"}).out.contains("\nServings:       4\n"));
    // Words of a name find the recipe as they find a food.
    const Outcome byWords = cli({"add", "2026-12-11", "apple milk", "1", "serving"});
    QCOMPARE(byWords.out, QByteArray("Added to 2026-12-11: 1.0 serving Apple and milk (recipe)\n"));

    const std::string folder = (m_temp / "export").string();
    QCOMPARE(cli({"export", "--from", "2099-01-01", "--to", "2099-01-01", folder.c_str()}).status,
             0);
    const std::optional<std::string> recipes = FileIo::readAll(m_temp / "export" / "recipes.csv");
    QVERIFY(recipes);
    QVERIFY2(recipes->find("Apple and milk,") != std::string::npos &&
                 recipes->find(",4,236.59,\"Milk, whole,") != std::string::npos,
             recipes->c_str());
}

void TestRecipeCli::keepsBrokenLinesAndRefuses()
{
    const QString data = diary("broken");
    const fs::path file = m_temp / "broken" / "recipes.tsv";
    const std::string broken = "Toast\t2026-12-01\t1\t-\tBread\n";
    QVERIFY(FileIo::writeAtomically(file, "# mine\n" + broken).ok());
    const auto cli = [&](std::initializer_list<const char *> arguments) {
        QStringList list;
        for (const char *argument : arguments)
            list << QString::fromUtf8(argument);
        return run(data, list);
    };

    QCOMPARE(cli({"add", "2026-12-07", kApple, "1", "medium (3\" dia)"}).status, 0);
    const Outcome saved =
        cli({"recipe", "save", "Snack", "--servings", "1", "--from", "2026-12-07"});
    QCOMPARE(saved.status, 0);
    QVERIFY2(saved.err.contains("Skipped line 2 of recipes.tsv: it has 5 fields"),
             saved.err.constData());
    const std::optional<std::string> text = FileIo::readAll(file);
    QVERIFY(text && text->starts_with("# mine\n" + broken + "Snack\t"));
    QCOMPARE(cli({"recipe", "list"}).out.left(6), QByteArray("Snack\t"));
    // Found as the window finds it, marked in a field of its own after the units.
    const QByteArray found = "\n" + cli({"search", "snack"}).out;
    QVERIFY2(found.contains("\nSnack\tserving | whole recipe | oz | g\trecipe\n") &&
                 found.count("recipe\n") == 1,
             found.constData());
    // Swapped letters find it as a close match, marked last: the fields before keep their place.
    const QByteArray close = "\n" + cli({"search", "snakc"}).out;
    QVERIFY2(close.contains("\nSnack\tserving | whole recipe | oz | g\trecipe\tclose\n"),
             close.constData());

    const Outcome notAUnit = cli({"add", "2026-12-08", "Snack", "1", "cup"});
    QCOMPARE(notAUnit.status, 1);
    QVERIFY(notAUnit.err.contains("its units are: serving | whole recipe | g | oz"));
    QCOMPARE(
        cli({"recipe", "save", "apples, RAW, with skin", "--servings", "1", "--from", "2026-12-07"})
            .status,
        1);
    QCOMPARE(cli({"recipe", "save", "Nothing", "--servings", "1", "--from", "2026-12-09"}).status,
             1);
    QCOMPARE(cli({"recipe", "show", "Toast"}).status, 1);
    QCOMPARE(cli({"recipe", "delete", "Snack"}).status, 0);
    QCOMPARE(cli({"add", "2026-12-08", "Snack", "1", "serving"}).status, 1);

    const std::initializer_list<const char *> mistakes[] = {
        {"recipe"},
        {"recipe", "cook"},
        {"recipe", "show"},
        {"recipe", "list", "--servings", "2"},
        {"recipe", "save", "X", "--from", "2026-12-07"},
        {"recipe", "save", "X", "--servings", "0", "--from", "2026-12-07"},
        {"recipe", "save", "X", "--servings", "2", "--from", "7.12.2026"},
        {"day", "--servings", "2"},
        {"merge", "recipes", "--keep", "ours"},
    };
    for (const std::initializer_list<const char *> &arguments : mistakes) {
        const Outcome outcome = cli(arguments);
        QVERIFY2(outcome.status == 2 && outcome.out.isEmpty(), outcome.err.constData());
    }
}

// A sync engine's copy of the recipes is listed and joined: the recipes of both are there after.
void TestRecipeCli::conflictCopyJoined()
{
    const QString data = diary("synced");
    const std::string tea = "Tea\t2026-12-01\t1\t-\tWater\t1\tcup\t240\t-\t-\t-\t-\t-\t-\t-"
                            "\t-\t-\t-\n";
    const std::string toast = "Toast\t2026-12-02\t2\t-\tBread\t2\tslice\t30\t265\t-\t-\t-"
                              "\t-\t-\t-\t-\t-\t-\n";
    const std::string copy = "recipes.sync-conflict-20261205-143022-ABCDEF1.tsv";
    QVERIFY(FileIo::writeAtomically(m_temp / "synced" / "recipes.tsv", tea).ok());
    QVERIFY(FileIo::writeAtomically(m_temp / "synced" / copy, tea + toast).ok());
    QCOMPARE(run(data, {QStringLiteral("conflicts")}).out,
             QByteArray::fromStdString("-\trecipes\t" + copy + "\n"));
    QCOMPARE(run(data, {QStringLiteral("merge"), QStringLiteral("recipes")}).status, 0);
    QCOMPARE(FileIo::readAll(m_temp / "synced" / "recipes.tsv"), std::optional(tea + toast));
    QVERIFY(!fs::exists(m_temp / "synced" / copy));
}

QTEST_GUILESS_MAIN(TestRecipeCli)
#include "tst_recipecli.moc"
