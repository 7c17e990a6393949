// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CNoticeBar.h"
#include "skin/SkinColors.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

using namespace Qt::StringLiterals;

class TestNoticeBar : public QObject
{
    Q_OBJECT

private slots:
    void latestShownClearedByKey();
    void longTextElidedWholeInTooltip();
    void neverTakesFocusAndClosesWithItsCross();
    void legibleColours();
};

void TestNoticeBar::latestShownClearedByKey()
{
    QWidget window;
    window.resize(640, 480);
    CNoticeBar bar(&window);
    bar.setGeometry(8, 456, 624, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!bar.isVisible());

    bar.showNotice(u"db/a.wth"_s, u"Not saved: the disk is full (db/a.wth)"_s);
    bar.showNotice(u"note/a.txt"_s, u"Not saved: the folder is read-only (note/a.txt)"_s);
    QVERIFY(bar.isVisible());
    QCOMPARE(bar.text(), QStringLiteral("Not saved: the folder is read-only (note/a.txt)"));
    QCOMPARE(bar.toolTip(),
             QStringLiteral("Not saved: the folder is read-only (note/a.txt)\n"
                            "Not saved: the disk is full (db/a.wth)"));

    // The same file failing again replaces its notice and becomes the latest.
    bar.showNotice(u"db/a.wth"_s, u"Not saved: no permission to write (db/a.wth)"_s);
    QCOMPARE(bar.noticeCount(), 2);
    QCOMPARE(bar.text(), QStringLiteral("Not saved: no permission to write (db/a.wth)"));

    // A later good save of a file takes its notice away; the bar goes when none is left.
    bar.clearNotice(u"db/a.wth"_s);
    QCOMPARE(bar.text(), QStringLiteral("Not saved: the folder is read-only (note/a.txt)"));
    bar.clearNotice(u"db/other.db"_s);
    QVERIFY(bar.isVisible());
    bar.clearNotice(u"note/a.txt"_s);
    QVERIFY(!bar.isVisible());
    QCOMPARE(bar.toolTip(), QString());
}

void TestNoticeBar::longTextElidedWholeInTooltip()
{
    CNoticeBar bar;
    bar.resize(200, 22);
    const QString text = QStringLiteral(
        "Not saved: a folder, pipe or device sits where the file should be (db/12-07-2026.db)");
    bar.showNotice(u"db/12-07-2026.db"_s, text);
    const QString shown = bar.displayedText();
    QVERIFY(shown.size() < text.size());
    QVERIFY(shown.contains(QChar(0x2026)));
    QVERIFY(shown.startsWith(QStringLiteral("Not")));
    QVERIFY(shown.endsWith(QStringLiteral(".db)")));
    QCOMPARE(bar.toolTip(), text);

    bar.resize(624, 22);
    bar.showNotice(u"db/12-07-2026.wth"_s, u"Not saved: the disk is full (db/12-07-2026.wth)"_s);
    QCOMPARE(bar.displayedText(), bar.text());

    // What a click does is never cut: the text before it is.
    bar.resize(200, 22);
    bar.showNotice(u"undo"_s, u"Added Apples, raw, with skin, 1.0 medium (3\" dia)."_s,
                   u"Click to undo."_s);
    QCOMPARE(bar.text(), u"Added Apples, raw, with skin, 1.0 medium (3\" dia). Click to undo."_s);
    QVERIFY(bar.displayedText().startsWith(u"Added"_s));
    QVERIFY(bar.displayedText().endsWith(QStringLiteral("\u2026 Click to undo.")));
}

void TestNoticeBar::neverTakesFocusAndClosesWithItsCross()
{
    QWidget window;
    window.resize(640, 480);
    QLineEdit amount(&window);
    CNoticeBar bar(&window);
    bar.setGeometry(8, 456, 624, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    amount.setFocus();

    bar.showNotice(u"db/a.db"_s, u"Not saved: the disk is full (db/a.db)"_s);
    QSignalSpy dismissed(&bar, &CNoticeBar::dismissed);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(100, 11));
    QVERIFY(bar.isVisible());
    QTRY_VERIFY(amount.hasFocus());
    QCOMPARE(bar.focusPolicy(), Qt::NoFocus);

    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.closeRect().center());
    QVERIFY(!bar.isVisible());
    QCOMPARE(dismissed.count(), 1);
    QVERIFY(amount.hasFocus());
}

void TestNoticeBar::legibleColours()
{
    // WCAG 2 contrast ratio of the text on the plate.
    const auto luminance = [](std::uint32_t argb) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double c = ((argb >> (16 - 8 * i)) & 0xFF) / 255.0;
            sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double ratio =
        (luminance(SkinColors::NoticePlate) + 0.05) / (luminance(SkinColors::NoticeText) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));

    CNoticeBar bar;
    bar.resize(624, 22);
    bar.showNotice(u"k"_s, u"Not saved"_s);
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.pixel(300, 11), SkinColors::NoticePlate);
}

QTEST_MAIN(TestNoticeBar)
#include "tst_noticebar.moc"
