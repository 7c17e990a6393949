// SPDX-License-Identifier: GPL-3.0-or-later
// The weight box in the real main window: a change of its text saves a positive number to the
// selected day's weight file shortly after (at once when the day or the window goes), and each day
// load fills it from that file.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "layout/DialogLayout.h"
#include "platform/FileIo.h"
#include "store/WeightFile.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <memory>

namespace fs = std::filesystem;

namespace {

} // namespace

class TestWeightBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typingKeyByKey();
    void textsAsEntered_data();
    void textsAsEntered();
    void switchingDaysReloadsTheBox();
    void typingIsSavedBeforeTheDayOrWindowGoes();

private:
    void selectDay(Qt::Key key, int day, const QString &shown);

    MainWindowUnderTest m_window;
    QLineEdit *m_box = nullptr;
};

void TestWeightBox::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestWeightBox::init()
{
    QVERIFY(m_window.open(1));
    m_box = static_cast<QLineEdit *>(m_window.dialog->control(DialogLayout::WeightBox));
    QVERIFY(m_box->isVisible());
}

void TestWeightBox::cleanup()
{
    m_window.close();
}

// Moves the strip's selection by a key; the day reload that follows its redraw fills the box.
void TestWeightBox::selectDay(Qt::Key key, int day, const QString &shown)
{
    CTimCalentar *strip = m_window.dialog->dayStrip();
    strip->setFocus();
    QTest::keyClick(strip, key);
    QCOMPARE(strip->m_day, day);
    QTRY_COMPARE(m_box->text(), shown);
}

void TestWeightBox::typingKeyByKey()
{
    QCOMPARE(m_box->text(), QString());
    QVERIFY(!fs::exists(m_window.dayFile("db", 5, 12, 2026, ".wth")));

    const std::pair<char, float> steps[] = {{'7', 7.0f}, {'2', 72.0f}, {'.', 72.0f}, {'5', 72.5f}};
    for (const auto &[key, stored] : steps) {
        QTest::keyClick(m_box, key);
        QTRY_COMPARE(WeightFile::Read(m_window.dayFile("db", 5, 12, 2026, ".wth")),
                     std::optional<float>(stored));
    }
    QCOMPARE(fs::file_size(m_window.dayFile("db", 5, 12, 2026, ".wth")), std::uintmax_t(4));

    // Erasing key by key ends on the last positive number; the empty box saves nothing.
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(m_box, Qt::Key_Backspace);
        m_window.dialog->FlushTyping();
    }
    QCOMPARE(m_box->text(), QString());
    QCOMPARE(WeightFile::Read(m_window.dayFile("db", 5, 12, 2026, ".wth")),
             std::optional<float>(7.0f));
}

void TestWeightBox::textsAsEntered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("stored");

    // The rules are TypedNumber's and the store's (tst_quickadd, tst_daystore); here
    // only that the box hands its text on: an earlier 80 stays for text that is no weight.
    QTest::newRow("negative") << QStringLiteral("-3") << 80.0f;
    QTest::newRow("a unit after it") << QStringLiteral(" 72.5 kg") << 80.0f;
    QTest::newRow("decimal comma") << QStringLiteral(" 72,5") << 72.5f;
    QTest::newRow("over the limit") << QStringLiteral("1000.5") << 80.0f;
}

void TestWeightBox::textsAsEntered()
{
    QFETCH(QString, text);
    QFETCH(float, stored);

    m_box->setText(QStringLiteral("80"));
    m_window.dialog->FlushTyping();
    m_box->selectAll();
    QTest::keyClick(m_box, Qt::Key_Delete);
    // Pasted whole, so no prefix of the text is saved on the way.
    m_box->insert(text);
    QCOMPARE(m_box->text(), text);
    m_window.dialog->FlushTyping();
    QCOMPARE(WeightFile::Read(m_window.dayFile("db", 5, 12, 2026, ".wth")),
             std::optional<float>(stored));
    QCOMPARE(fs::file_size(m_window.dayFile("db", 5, 12, 2026, ".wth")), std::uintmax_t(4));
}

void TestWeightBox::switchingDaysReloadsTheBox()
{
    QVERIFY(WeightFile::Write(m_window.dayFile("db", 4, 12, 2026, ".wth"), 72.25f));
    QVERIFY(FileIo::writeAtomically(m_window.dayFile("db", 6, 12, 2026, ".wth"),
                                    std::string_view("\x00\x00\x91", 3)));
    m_box->setText(QStringLiteral("80"));

    // A stored weight is shown with one decimal; showing it never rewrites what is stored.
    selectDay(Qt::Key_Left, 4, QStringLiteral("72.2"));
    QCOMPARE(WeightFile::Read(m_window.dayFile("db", 4, 12, 2026, ".wth")),
             std::optional<float>(72.25f));

    // A day without a weight shows an empty box and gets no file.
    selectDay(Qt::Key_Left, 3, QString());
    QVERIFY(!fs::exists(m_window.dayFile("db", 3, 12, 2026, ".wth")));

    selectDay(Qt::Key_Right, 4, QStringLiteral("72.2"));
    selectDay(Qt::Key_Right, 5, QStringLiteral("80.0"));

    // Three bytes are no weight: an empty box, and the file is left as it was.
    selectDay(Qt::Key_Right, 6, QString());
    QCOMPARE(fs::file_size(m_window.dayFile("db", 6, 12, 2026, ".wth")), std::uintmax_t(3));
}

void TestWeightBox::typingIsSavedBeforeTheDayOrWindowGoes()
{
    const fs::path fifth = m_window.dayFile("db", 5, 12, 2026, ".wth");
    const fs::path fourth = m_window.dayFile("db", 4, 12, 2026, ".wth");
    QTest::keyClicks(m_box, QStringLiteral("72.5"));
    QVERIFY(!fs::exists(fifth));
    selectDay(Qt::Key_Left, 4, QString());
    QCOMPARE(WeightFile::Read(fifth), std::optional<float>(72.5f));

    QTest::keyClicks(m_box, QStringLiteral("71"));
    QVERIFY(!fs::exists(fourth));
    m_window.dialog.reset();
    QCOMPARE(WeightFile::Read(fourth), std::optional<float>(71.0f));
}

QTEST_MAIN(TestWeightBox)
#include "tst_weightbox.moc"
