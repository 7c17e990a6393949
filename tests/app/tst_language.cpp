// SPDX-License-Identifier: GPL-3.0-or-later
// The window speaks German when the user's languages put German first, and exactly its English
// otherwise: the notice bar, the buttons' tooltips and the skin's captions.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloApp.h"
#include "controls/CNoticeBar.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "meals/QuickAdd.h"
#include "platform/FileIo.h"

#include <QAccessible>
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
        QString foodButton;
        QString quickAddRow;
        QString fatRow;
        QString weight;
    };
    const Case cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("en-US")},
         QStringLiteral("de"),
         QStringLiteral("Nicht gespeichert: der Datentr\u00e4ger ist voll (db/12-05-2026.wth)"),
         QStringLiteral("Auswahl l\u00f6schen"),
         QStringLiteral("Essen"),
         QStringLiteral("Schnelleintrag, 1,0 Portion, 250 kcal"),
         QStringLiteral("Fett: 8,5 g"),
         QStringLiteral("72,8")},
        // English first: German further down the list is not taken.
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")},
         QString(),
         QStringLiteral("Not saved: the disk is full (db/12-05-2026.wth)"),
         QStringLiteral("Delete Selected"),
         QStringLiteral("Food"),
         QStringLiteral("Quick add, 1.0 serving, 250 kcal"),
         QStringLiteral("Fat: 8.5 g"),
         QStringLiteral("72.8")},
    };
    QList<QImage> foodButtons;
    for (const Case &c : cases) {
        QCOMPARE(CCorvaloApp::LoadTranslations(c.uiLanguages), c.loaded);
        MainWindowUnderTest window;
        QVERIFY(window.open(1));
        CCorvaloDlg &dialog = *window.dialog;
        QVERIFY(dialog.store().SaveWeight({5, 12, 2026}, "72.8").ok());
        dialog.LoadDay();
        QCOMPARE(static_cast<QLineEdit *>(dialog.control(WeightBox))->text(), c.weight);

        FileIo::setWritesFailForTesting(true); // a full disk
        static_cast<QLineEdit *>(dialog.control(WeightBox))->setText(QStringLiteral("72.5"));
        QTRY_VERIFY(dialog.noticeBar()->isVisible());
        const QString notice = dialog.noticeBar()->text();
        FileIo::setWritesFailForTesting(false);
        QCOMPARE(notice, c.notice);
        QCOMPARE(dialog.control(DeleteSelectedButton)->toolTip(), c.deleteTip);
        foodButtons << dialog.control(FoodButton)->grab().toImage();

        // One name for a page button, painted, hovered and read out.
        QCOMPARE(dialog.control(FoodButton)->toolTip(), c.foodButton);
        QCOMPARE(dialog.control(FoodButton)->accessibleName(), c.foodButton);

        // Shown in the window's words and decimal mark, stored as always.
        auto *meals = static_cast<CMealsList *>(dialog.control(MealList));
        meals->AppendMeal(*QuickAdd::MakeEntry({250.0, 0.0, 8.5, 0.0}));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(meals);
        QCOMPARE(list->child(0)->text(QAccessible::Name), c.quickAddRow);
        QAccessibleInterface *panel =
            QAccessible::queryAccessibleInterface(dialog.control(NutrientPanel));
        QCOMPARE(panel->child(3)->text(QAccessible::Name), c.fatRow);
        QVERIFY(panel->text(QAccessible::Description).contains(c.fatRow));
        const std::string stored =
            FileIo::readAll(window.dayFile("db", 5, 12, 2026, ".db")).value_or(std::string());
        QCOMPARE(MealRecord::Decode(stored).entries.at(0).name, std::string("Quick add"));
    }
    // "Essen" is painted, not "Food".
    QVERIFY(foodButtons.at(0) != foodButtons.at(1));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
