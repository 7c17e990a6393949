// SPDX-License-Identifier: GPL-3.0-or-later
// Import from the Settings page: the files chosen are previewed in the form, written on Import
// and said in the notice bar; a file of no known kind offers nothing to import.
#include "MainWindowUnderTest.h"
#include "app/ImportAction.h"
#include "app/ImportForm.h"
#include "app/SettingsPage.h"
#include "app/UndoOffer.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "layout/PageTable.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

class TestImportForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup()
    {
        ImportAction::setFileChooserForTesting({});
        m_window.close();
    }
    void importPreviewedAndSaid();

private:
    MainWindowUnderTest m_window;
};

void TestImportForm::importPreviewedAndSaid()
{
    QVERIFY(m_window.open(5));
    CCorvaloDlg &dialog = *m_window.dialog;
    const std::filesystem::path summary = m_window.folder() / "Nutrition-Summary.csv";
    const std::filesystem::path junk = m_window.folder() / "photo.csv";
    QVERIFY(FileIo::writeAtomically(summary,
                                    "Date,Meal,Calories,Fat (g),Protein (g)\n"
                                    "2026-12-05,Lunch,612.5,20,31\n"));
    QVERIFY(FileIo::writeAtomically(junk, std::string("\x89PNG\r\n\x1a\n\0\0", 10)));
    auto *page = static_cast<SettingsPage *>(dialog.control(PageTable::SettingsPageWindow));

    QString preview;
    bool couldImport = true;
    const auto answer = [&] {
        QTimer::singleShot(50, &dialog, [&] {
            auto *form = qobject_cast<ImportForm *>(QApplication::activeModalWidget());
            if (!form) {
                preview = QStringLiteral("no form");
                return;
            }
            preview = form->preview()->toPlainText();
            couldImport = form->commitButton()->isEnabled();
            couldImport ? form->tryCommit() : form->reject();
        });
    };

    // Asked for just before the form opens.
    ImportAction::setFileChooserForTesting([&] {
        answer();
        return QStringList {QString::fromStdString(junk.string())};
    });
    QTest::mouseClick(page->importButton(), Qt::LeftButton);
    QVERIFY(!couldImport);
    QVERIFY(preview.startsWith(QStringLiteral("photo.csv: refused\n    Not a file Corvalo")));
    QVERIFY(!dialog.store().HasMeals({5, 12, 2026}));

    ImportAction::setFileChooserForTesting([&] {
        answer();
        return QStringList {QString::fromStdString(summary.string())};
    });
    QTest::mouseClick(page->importButton(), Qt::LeftButton);
    QVERIFY(couldImport);
    QVERIFY(preview.contains(QStringLiteral("Days: 1, from 2026-12-05 to 2026-12-05\n")));
    QCOMPARE(dialog.noticeBar()->text(),
             QStringLiteral("Imported entries: 1, weights: 0, notes: 0. Click to undo (Ctrl+Z)."));
    const DayStore::Meals meals = dialog.store().LoadMeals({5, 12, 2026});
    QCOMPARE(meals.entries.size(), std::size_t(1));
    QCOMPARE(meals.totals[Nutrient::Calories], 612.5f);

    // Undo takes the import back.
    QVERIFY(dialog.undoOffer()->canUndo());
    dialog.undoOffer()->undo();
    QVERIFY(!std::filesystem::exists(m_window.dayFile("db", 5, 12, 2026, ".db")));
    QVERIFY(!dialog.store().HasMeals({5, 12, 2026}));
}

QTEST_MAIN(TestImportForm)
#include "tst_importform.moc"
