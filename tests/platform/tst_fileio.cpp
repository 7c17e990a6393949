// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"
#include "platform/FileIo.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

class TestFileIo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rewriteAndAppend();
    void failedRewriteKeepsOldFile();
    void failedAppendReportsFailure();
    void missingAndOddFiles();
    void pipesAndFoldersAreRefusedAtOnce();
    void readOnlyPlaces();
    void staleTemporaries();
    void hiddenFilesMakeNoDiary();

private:
    fs::path file(const char *name) const { return fs::path(m_dir->path().toStdString()) / name; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileIo::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileIo::cleanup()
{
    FileIo::setWritesFailForTesting(false);
    FileIo::setOpenErrorForTesting(0);
}

void TestFileIo::rewriteAndAppend()
{
    const fs::path path = file("a.db");
    QVERIFY(FileIo::append(path, "one"));
    QVERIFY(FileIo::append(path, std::string("\0two", 4)));
    QCOMPARE(FileIo::readAll(path).value(), std::string("one\0two", 7));

    QVERIFY(FileIo::writeAtomically(path, "new"));
    QCOMPARE(FileIo::readAll(path).value(), std::string("new"));
    QCOMPARE(FileIo::regularFileSize(path).value(), std::uintmax_t(3));

    // No temporary file is left behind.
    QCOMPARE(std::distance(fs::directory_iterator(file("")), fs::directory_iterator()), 1);
}

void TestFileIo::failedRewriteKeepsOldFile()
{
    const fs::path path = file("b.db");
    QVERIFY(FileIo::writeAtomically(path, "whole old day"));
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!FileIo::writeAtomically(path, "a much longer replacement"));
    FileIo::setWritesFailForTesting(false);
    QCOMPARE(FileIo::readAll(path).value(), std::string("whole old day"));
    QCOMPARE(std::distance(fs::directory_iterator(file("")), fs::directory_iterator()), 1);
}

void TestFileIo::failedAppendReportsFailure()
{
    QVERIFY(FileIo::append(file("c.db"), "first"));
    FileIo::setWritesFailForTesting(true);
    const FileIo::Result full = FileIo::append(file("c.db"), "record");
    QCOMPARE(full.problem, FileIo::Problem::DiskFull);
    QCOMPARE(full.error, ENOSPC);
    QCOMPARE(full.file, file("c.db"));
    FileIo::setWritesFailForTesting(false);
    // The torn half of the record is taken back, so the next record starts where it should.
    QCOMPARE(FileIo::readAll(file("c.db")).value(), std::string("first"));

    QCOMPARE(FileIo::append(file("no-such-folder") / "d.db", "record").problem,
             FileIo::Problem::Missing);
    QCOMPARE(FileIo::writeAtomically(file("no-such-folder") / "d.db", "record").problem,
             FileIo::Problem::Missing);
    QCOMPARE(FileIo::canWriteInto(file("no-such-folder")).problem, FileIo::Problem::Missing);
}

void TestFileIo::missingAndOddFiles()
{
    QVERIFY(!FileIo::readAll(file("missing")).has_value());
    QVERIFY(!FileIo::regularFileSize(file("missing")).has_value());
    QVERIFY(FileIo::remove(file("missing")));

    fs::create_directory(file("folder"));
    QVERIFY(!FileIo::regularFileSize(file("folder")).has_value());
    QVERIFY(!FileIo::readAll(file("folder")).has_value());

    QVERIFY(FileIo::writeAtomically(file("empty"), ""));
    QCOMPARE(FileIo::regularFileSize(file("empty")).value(), std::uintmax_t(0));
    QCOMPARE(FileIo::readAll(file("empty")).value(), std::string());

    QVERIFY(FileIo::writeAtomically(file("big"), std::string(100, 'x')));
    QVERIFY(!FileIo::readAll(file("big"), 99).has_value());
    QCOMPARE(FileIo::readAll(file("big"), 100).value(), std::string(100, 'x')); // at the limit
}

void TestFileIo::pipesAndFoldersAreRefusedAtOnce()
{
    // Nobody ever opens the other end of these pipes: any wait would hang the test.
    QCOMPARE(::mkfifo(file("07-12-2026.db").c_str(), 0644), 0);
    QCOMPARE(::mkfifo(file(".write-probe").c_str(), 0644), 0);
    fs::create_directory(file("07-12-2026.wth"));
    std::string bytes = "stale";
    for (const char *name : {"07-12-2026.db", "07-12-2026.wth"}) {
        QCOMPARE(FileIo::append(file(name), "x").problem, FileIo::Problem::NotAFile);
        QCOMPARE(FileIo::writeAtomically(file(name), "x").problem, FileIo::Problem::NotAFile);
        QCOMPARE(FileIo::read(file(name), bytes).problem, FileIo::Problem::NotAFile);
        QCOMPARE(bytes, std::string());
        QCOMPARE(FileIo::remove(file(name)).problem, FileIo::Problem::NotAFile);
    }
    QCOMPARE(FileIo::read(file("missing"), bytes).problem, FileIo::Problem::Missing);
    QVERIFY(FileIo::canWriteInto(file("")));
    // Refused and left where they were, and nothing else appeared.
    QCOMPARE(std::distance(fs::directory_iterator(file("")), fs::directory_iterator()), 3);
}

void TestFileIo::readOnlyPlaces()
{
    const fs::path path = file("07-12-2026.txt");
    QVERIFY(FileIo::writeAtomically(path, "kept"));

    FileIo::setOpenErrorForTesting(EROFS);
    for (const FileIo::Result &result :
         {FileIo::writeAtomically(path, "lost"), FileIo::append(path, "lost"),
          FileIo::canWriteInto(file(""))}) {
        QCOMPARE(result.problem, FileIo::Problem::ReadOnly);
        QCOMPARE(result.error, EROFS);
    }
    FileIo::setOpenErrorForTesting(0);
    QCOMPARE(FileIo::readAll(path).value(), std::string("kept"));

    // A folder of the user's own with its write permission off. Root may write there anyway,
    // so the refusal the system would give anyone else is put in its place.
    fs::permissions(file(""), fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0)
        FileIo::setOpenErrorForTesting(EACCES);
    const FileIo::Result rewrite = FileIo::writeAtomically(path, "lost");
    const FileIo::Result probe = FileIo::canWriteInto(file(""));
    fs::permissions(file(""), fs::perms::owner_all);
    QCOMPARE(rewrite.problem, FileIo::Problem::ReadOnlyFolder);
    QCOMPARE(probe.problem, FileIo::Problem::ReadOnlyFolder);
    QCOMPARE(probe.file, file(""));
    QCOMPARE(FileIo::readAll(path).value(), std::string("kept"));
}

void TestFileIo::staleTemporaries()
{
    const char *stale[] = {"12-07-2026.txt.tmp894610389", "01-31-2025.db.tmp0",
                           "12-07-2026.wth.tmp12"};
    const char *kept[] = {"12-07-2026.txt",        "12-07-2026.txt.tmp",  "12-07-2026.txt.tmp12x",
                          "notes.txt.tmp123",      "12-07-2026.png.tmp1", "2-7-2026.db.tmp1",
                          "12-07-2026.db.tmp1.bak"};
    for (const char *name : stale)
        QVERIFY(FileIo::writeAtomically(file(name), "half"));
    for (const char *name : kept)
        QVERIFY(FileIo::writeAtomically(file(name), "mine"));
    fs::create_directory(file("12-07-2026.db.tmp5"));
    QCOMPARE(::mkfifo(file("12-07-2026.db.tmp6").c_str(), 0644), 0);

    QCOMPARE(FileIo::removeStaleTemporaries(file("")), 3);
    for (const char *name : stale)
        QVERIFY(!fs::exists(file(name)));
    for (const char *name : kept)
        QVERIFY2(fs::exists(file(name)), name);
    QVERIFY(fs::exists(file("12-07-2026.db.tmp5")));
    QVERIFY(fs::exists(fs::symlink_status(file("12-07-2026.db.tmp6"))));
    QCOMPARE(FileIo::removeStaleTemporaries(file("no-such-folder")), 0);
}

// A folder that cannot be written gives way to the per-user one unless it holds a diary; what a
// sync tool or the system hides there is none.
void TestFileIo::hiddenFilesMakeNoDiary()
{
    const fs::path hidden = file("hidden");
    fs::create_directories(hidden / "db");
    fs::create_directories(hidden / "note");
    QVERIFY(FileIo::writeAtomically(hidden / "db" / ".stfolder", ""));
    QVERIFY(FileIo::writeAtomically(hidden / "note" / ".DS_Store", "x"));
    FileIo::setOpenErrorForTesting(EACCES);
    const DataFolders::Choice choice = DataFolders::Choose(hidden, file("user"));
    FileIo::setOpenErrorForTesting(0);
    QCOMPARE(choice.folder, file("user"));
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
