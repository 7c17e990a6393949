// SPDX-License-Identifier: GPL-3.0-or-later
// The weight file: four plain bytes, written whole, read back only when whole.
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "store/WeightFile.h"

#include <QtTest>
#include <limits>
#include <memory>

namespace fs = std::filesystem;

class TestWeightFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempFolder>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { FileIo::setWritesFailForTesting(false); }
    void fourLittleEndianBytes();
    void onlyWeightsAboveZero();
    void shortOrMissingFiles();
    void failedWriteKeepsTheOldWeight();

private:
    fs::path path() const { return *m_dir / "12-05-2026.wth"; }
    std::unique_ptr<TempFolder> m_dir;
};

void TestWeightFile::fourLittleEndianBytes()
{
    QVERIFY(WeightFile::Write(path(), 72.5f));
    QCOMPARE(FileIo::readAll(path()).value(), std::string("\x00\x00\x91\x42", 4));
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(72.5f));
    // Rewritten, never appended: still four bytes.
    QVERIFY(WeightFile::Write(path(), 80.0f));
    QCOMPARE(FileIo::readAll(path())->size(), std::size_t(4));
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(80.0f));
}

void TestWeightFile::onlyWeightsAboveZero()
{
    QVERIFY(WeightFile::Write(path(), 70.0f));
    for (float weight : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()})
        QVERIFY(!WeightFile::Write(path(), weight));
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(70.0f));
}

void TestWeightFile::shortOrMissingFiles()
{
    QCOMPARE(WeightFile::Read(path()), std::nullopt);
    QVERIFY(FileIo::writeAtomically(path(), std::string_view("\x00\x00\x91", 3)));
    QCOMPARE(WeightFile::Read(path()), std::nullopt);
    // Longer files give their first four bytes.
    QVERIFY(FileIo::writeAtomically(path(), std::string_view("\x00\x00\x91\x42garbage", 11)));
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(72.5f));
    // However long: a file over 4 KB is no different.
    QVERIFY(FileIo::writeAtomically(path(),
                                    std::string("\x00\x00\x91\x42", 4) + std::string(5000, 'x')));
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(72.5f));
}

void TestWeightFile::failedWriteKeepsTheOldWeight()
{
    QVERIFY(WeightFile::Write(path(), 70.0f));
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!WeightFile::Write(path(), 71.0f));
    FileIo::setWritesFailForTesting(false);
    QCOMPARE(WeightFile::Read(path()), std::optional<float>(70.0f));
}

QTEST_GUILESS_MAIN(TestWeightFile)
#include "tst_weightfile.moc"
