#include "platform/FileIo.h"

#include <QTemporaryDir>
#include <QtTest>

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
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!FileIo::append(file("c.db"), "record"));
    FileIo::setWritesFailForTesting(false);
    QVERIFY(!FileIo::append(file("no-such-folder") / "d.db", "record"));
    QVERIFY(!FileIo::writeAtomically(file("no-such-folder") / "d.db", "record"));
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
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
