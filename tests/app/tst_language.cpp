// The window speaks German when the user's languages put German first, and exactly its English
// otherwise: the notice bar, the buttons' tooltips and the skin's captions.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloApp.h"
#include "controls/CNoticeBar.h"
#include "layout/DialogLayout.h"
#include "platform/FileIo.h"

#include <QLineEdit>
#include <QtTest>

using namespace DialogLayout;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanupTestCase() { CCorvaloApp::LoadTranslations({}); }
    void foodPageFollowsTheLanguage();
};

void TestLanguage::foodPageFollowsTheLanguage()
{
    struct Case
    {
        QStringList uiLanguages;
        QString loaded;
        QString notice;
        QString deleteTip;
    };
    const Case cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("en-US")},
         QStringLiteral("de"),
         QStringLiteral("Nicht gespeichert: der Datentr\u00e4ger ist voll (db/12-05-2026.wth)"),
         QStringLiteral("Auswahl l\u00f6schen")},
        // English first: German further down the list is not taken.
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")},
         QString(),
         QStringLiteral("Not saved: the disk is full (db/12-05-2026.wth)"),
         QStringLiteral("Delete Selected")},
    };
    QList<QImage> foodButtons;
    for (const Case &c : cases) {
        QCOMPARE(CCorvaloApp::LoadTranslations(c.uiLanguages), c.loaded);
        MainWindowUnderTest window;
        QVERIFY(window.open(1));
        CCorvaloDlg &dialog = *window.dialog;

        FileIo::setWritesFailForTesting(true); // a full disk
        static_cast<QLineEdit *>(dialog.control(WeightBox))->setText(QStringLiteral("72.5"));
        QTRY_VERIFY(dialog.noticeBar()->isVisible());
        const QString notice = dialog.noticeBar()->text();
        FileIo::setWritesFailForTesting(false);
        QCOMPARE(notice, c.notice);
        QCOMPARE(dialog.control(DeleteSelectedButton)->toolTip(), c.deleteTip);
        foodButtons << dialog.control(FoodButton)->grab().toImage();
    }
    // "Essen" is painted, not "Food".
    QVERIFY(foodButtons.at(0) != foodButtons.at(1));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
