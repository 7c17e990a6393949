// SPDX-License-Identifier: GPL-3.0-or-later
// The diary note file: the note's bytes with CR LF line breaks, rewritten whole, never lost to a
// file that could not be read.
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "store/NoteFile.h"

#include <QtTest>
#include <memory>

namespace fs = std::filesystem;
using State = NoteFile::Note::State;

class TestNoteFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempFolder>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { FileIo::setWritesFailForTesting(false); }
    void lineBreaks_data();
    void lineBreaks();
    void writeAndReadBack();
    void absentUnreadableAndProtectedFiles();

private:
    fs::path path() const { return *m_dir / "12-05-2026.txt"; }
    std::unique_ptr<TempFolder> m_dir;
};

void TestNoteFile::lineBreaks_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QByteArray>("editorText");
    QTest::addColumn<QByteArray>("writtenBack");

    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
    // Nothing after a zero byte may be lost by the next save.
    QTest::newRow("zero byte kept as a space")
        << QByteArray("before\r\n\0after", 14) << QByteArray("before\n after")
        << QByteArray("before\r\n after");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n\r\nc\r\n") << QByteArray("a\nb\n\nc\n")
                           << QByteArray("a\r\nb\r\n\r\nc\r\n");
    // From other programs: every kind of break reads as one and is stored as CR LF.
    QTest::newRow("bare LF") << QByteArray("a\nb") << QByteArray("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("bare CR") << QByteArray("a\rb\r") << QByteArray("a\nb\n")
                             << QByteArray("a\r\nb\r\n");
    QTest::newRow("UTF-8 kept") << QByteArray("Crème brûlée\r\n") << QByteArray("Crème brûlée\n")
                                << QByteArray("Crème brûlée\r\n");
}

void TestNoteFile::lineBreaks()
{
    QFETCH(QByteArray, fileBytes);
    QFETCH(QByteArray, editorText);
    QFETCH(QByteArray, writtenBack);

    const std::string text = NoteFile::FromFileBytes(fileBytes.toStdString());
    QCOMPARE(QByteArray::fromStdString(text), editorText);
    QCOMPARE(QByteArray::fromStdString(NoteFile::ToFileBytes(text)), writtenBack);
}

void TestNoteFile::writeAndReadBack()
{
    QVERIFY(NoteFile::Write(path(), "first\nsecond"));
    QCOMPARE(FileIo::readAll(path()).value(), std::string("first\r\nsecond"));
    const NoteFile::Note note = NoteFile::Read(path());
    QCOMPARE(note.state, State::Loaded);
    QCOMPARE(note.text, std::string("first\nsecond"));
    // Text that comes with CR LF breaks of its own keeps one break each.
    QCOMPARE(NoteFile::ToFileBytes("a\r\nb\rc\n"), std::string("a\r\nb\r\nc\r\n"));

    // An emptied note stays as a file of no bytes.
    QVERIFY(NoteFile::Write(path(), ""));
    QCOMPARE(fs::file_size(path()), std::uintmax_t(0));
    QCOMPARE(NoteFile::Read(path()).state, State::Loaded);

    // A failed write leaves the old note whole.
    QVERIFY(NoteFile::Write(path(), "kept"));
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!NoteFile::Write(path(), "a much longer replacement"));
    FileIo::setWritesFailForTesting(false);
    QCOMPARE(NoteFile::Read(path()).text, std::string("kept"));
}

void TestNoteFile::absentUnreadableAndProtectedFiles()
{
    QCOMPARE(NoteFile::Read(path()).state, State::Absent);
    // No note folder: nothing is written, and no error escapes.
    QVERIFY(!NoteFile::Write(path().parent_path() / "missing" / "x.txt", "text"));

    // A directory where the note should be, or a file too large to be a note: never replaced.
    fs::create_directory(path());
    QCOMPARE(NoteFile::Read(path()).state, State::Unreadable);
    fs::remove(path());
    QVERIFY(FileIo::writeAtomically(path(), std::string(NoteFile::MaxBytes + 1, 'x')));
    QCOMPARE(NoteFile::Read(path()).state, State::Unreadable);
    QVERIFY(!NoteFile::Write(path(), std::string(NoteFile::MaxBytes + 1, 'y')));
    // The largest note there may be is written and read back.
    QVERIFY(NoteFile::Write(path(), std::string(NoteFile::MaxBytes, 'z')));
    QCOMPARE(NoteFile::Read(path()).text.size(), std::size_t(NoteFile::MaxBytes));

    // A note the user made read-only stays as it is.
    QVERIFY(NoteFile::Write(path(), "locked"));
    fs::permissions(path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    QVERIFY(!NoteFile::Write(path(), "changed"));
    QCOMPARE(NoteFile::Read(path()).text, std::string("locked"));
}

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"
