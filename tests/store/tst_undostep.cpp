// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a change back: the bytes before, exactly, and never over another writer's change.
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "store/UndoStep.h"

#include <QtTest>

class TestUndoStep : public QObject
{
    Q_OBJECT

private slots:
    void restoresTheBytesUnlessChangedMeanwhile();
};

void TestUndoStep::restoresTheBytesUnlessChangedMeanwhile()
{
    const TempFolder temp;
    const std::filesystem::path file = temp / "12-05-2026.db";
    const std::string before("A\r\nB\0\xff", 6);
    QVERIFY(FileIo::writeAtomically(file, before).ok());

    // A change that leaves the file as it was is nothing to undo.
    const std::optional<UndoStep::State> unchanged = UndoStep::State::Of(file);
    QVERIFY(!UndoStep::Made(file, unchanged));

    QVERIFY(FileIo::writeAtomically(file, "A\r\n").ok());
    const std::optional<UndoStep> cleared = UndoStep::Made(file, unchanged);
    QVERIFY(cleared);
    QVERIFY(cleared->restore().ok());
    QCOMPARE(FileIo::readAll(file), std::optional<std::string>(before));

    // Another writer appended after the change: undoing would drop its bytes.
    const std::optional<UndoStep::State> full = UndoStep::State::Of(file);
    QVERIFY(FileIo::writeAtomically(file, "B").ok());
    const std::optional<UndoStep> replaced = UndoStep::Made(file, full);
    QVERIFY(FileIo::append(file, "C").ok());
    QCOMPARE(replaced->restore().problem, FileIo::Problem::Changed);
    QCOMPARE(FileIo::readAll(file), std::optional<std::string>("BC"));

    // A file the change made is removed again.
    const std::filesystem::path made = temp / "12-06-2026.db";
    const std::optional<UndoStep::State> absent = UndoStep::State::Of(made);
    QVERIFY(FileIo::writeAtomically(made, "new").ok());
    QVERIFY(UndoStep::Made(made, absent)->restore().ok());
    QVERIFY(!std::filesystem::exists(made));
}

QTEST_MAIN(TestUndoStep)
#include "tst_undostep.moc"
