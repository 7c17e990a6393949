// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SaveProblem.h"

#include <QtTest>
#include <cerrno>

using FileIo::Problem;
using SaveProblem::Action;

Q_DECLARE_METATYPE(FileIo::Problem)
Q_DECLARE_METATYPE(SaveProblem::Action)

class TestSaveProblem : public QObject
{
    Q_OBJECT

private slots:
    void describe_data();
    void describe();
};

void TestSaveProblem::describe_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray weight = "/home/ann/corvalo/db/12-07-2026.wth";
    const QByteArray note = "/home/ann/corvalo/note/12-07-2026.txt";
    QTest::newRow("saved") << Problem::None << 0 << weight << Action::Save << QByteArray();
    QTest::newRow("disk full") << Problem::DiskFull << ENOSPC << weight << Action::Save
                               << QByteArray("Not saved: the disk is full (db/12-07-2026.wth)");
    QTest::newRow("folder read-only")
        << Problem::ReadOnlyFolder << EACCES << note << Action::Save
        << QByteArray("Not saved: the folder is read-only (note/12-07-2026.txt)");
    QTest::newRow("disk read-only")
        << Problem::ReadOnly << EROFS << note << Action::Save
        << QByteArray("Not saved: the disk is read-only (note/12-07-2026.txt)");
    QTest::newRow("file read-only")
        << Problem::ReadOnly << 0 << note << Action::Save
        << QByteArray("Not saved: the file is read-only (note/12-07-2026.txt)");
    QTest::newRow("someone else's")
        << Problem::NoPermission << EACCES << weight << Action::Save
        << QByteArray("Not saved: no permission to write (db/12-07-2026.wth)");
    QTest::newRow("pipe, on opening")
        << Problem::NotAFile << ENXIO << QByteArray("/home/ann/corvalo/db/12-07-2026.db")
        << Action::Load
        << QByteArray("Not opened: a folder, pipe or device sits where the file should be "
                      "(db/12-07-2026.db)");
    QTest::newRow("folder gone") << Problem::Missing << ENOENT << weight << Action::Save
                                 << QByteArray(
                                        "Not saved: its folder is missing (db/12-07-2026.wth)");
    QTest::newRow("folder is a file") << Problem::Missing << ENOTDIR << weight << Action::Save
                                      << QByteArray("Not saved: a file sits where its folder "
                                                    "should be (db/12-07-2026.wth)");
    QTest::newRow("link loop") << Problem::Other << ELOOP << weight << Action::Load
                               << QByteArray("Not opened: a link on its way loops back on "
                                             "itself (db/12-07-2026.wth)");
    QTest::newRow("i/o error, on deleting")
        << Problem::Other << EIO << weight << Action::Remove
        << QByteArray("Not deleted: the disk reported an error (db/12-07-2026.wth)");
    QTest::newRow("unknown error")
        << Problem::Other << 9999 << weight << Action::Save
        << QByteArray("Not saved: system error 9999 (db/12-07-2026.wth)");
    QTest::newRow("outside the data folder, not UTF-8")
        << Problem::DiskFull << ENOSPC << QByteArray("/media/caf\xe9/x.db") << Action::Save
        << QByteArray("Not saved: the disk is full (/media/caf\xc3\xa9/x.db)");
}

void TestSaveProblem::describe()
{
    QFETCH(Problem, problem);
    QFETCH(int, error);
    QFETCH(QByteArray, file);
    QFETCH(Action, action);
    QFETCH(QByteArray, expected);
    const FileIo::Result result {problem, error, std::filesystem::path(file.toStdString())};
    const std::string text = SaveProblem::Describe(result, "/home/ann/corvalo/", action);
    QCOMPARE(QByteArray::fromStdString(text), expected);
}

QTEST_GUILESS_MAIN(TestSaveProblem)
#include "tst_saveproblem.moc"
