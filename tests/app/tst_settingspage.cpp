// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings page from the real window: its button, goals typed there reaching the settings
// file and the nutrient panel, the food list's order, and the export.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "app/ExportGroup.h"
#include "app/SettingsPage.h"
#include "controls/CNoticeBar.h"
#include "controls/EraseRequest.h"
#include "controls/SkinButton.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CElements.h"
#include "store/DayStore.h"
#include "store/DiarySettings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QtTest>

using namespace DialogLayout;

class TestSettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup() { m_window.close(); }
    void goalsAndOrderFromTheSettingsPage();
    void exportFromTheSettingsPage();

private:
    MainWindowUnderTest m_window;
};

namespace {

QString firstFood(CCorvaloDlg &dialog)
{
    const auto *list = static_cast<QAbstractItemView *>(dialog.control(FoodList));
    return list->model()->index(0, 0).data().toString();
}

// The colour in the middle of a panel row's goal bar, 30 pixels below the row's top.
QRgb goalBarPixel(CElements &panel, int screenRow)
{
    const EraseRequest::SnapshotScope notAnErase;
    const QImage image = panel.grab().toImage();
    return image.pixel(20, panel.height() / 10 * screenRow + 31) & 0xFFFFFF;
}

} // namespace

void TestSettingsPage::goalsAndOrderFromTheSettingsPage()
{
    QVERIFY(m_window.open(1));
    CCorvaloDlg &dialog = *m_window.dialog;
    auto *panel = static_cast<CElements *>(dialog.control(NutrientPanel));
    const QImage before = panel->grab().toImage();

    QVERIFY(dialog.control(SettingsButton)->isVisible());
    QTest::mouseClick(dialog.control(SettingsButton), Qt::LeftButton);
    QCOMPARE(dialog.currentPage(), 5);
    auto *page = static_cast<SettingsPage *>(dialog.control(PageTable::SettingsPageWindow));
    QVERIFY(page->isVisible());

    // Tab goes on from the window's last button into the page, row by row.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.control(CloseButton)->setFocus();
    for (QWidget *next : {static_cast<QWidget *>(page->goalBox(Nutrient::Calories)),
                          static_cast<QWidget *>(page->goalBox(Nutrient::Carbohydrates)),
                          static_cast<QWidget *>(page->kindBox(Nutrient::Carbohydrates)),
                          static_cast<QWidget *>(page->goalBox(Nutrient::Protein))}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Stored at once, on the panel at once.
    QTest::keyClicks(page->goalBox(Nutrient::Calories), QStringLiteral("2000"));
    // Kept in the diary's folder, so that they travel with it.
    const auto stored = [this](std::string_view key) {
        DiarySettings settings;
        (void)settings.load(DiarySettings::FileIn(m_window.folder()));
        return settings.value(key);
    };
    QCOMPARE(stored("Goals/Calories"), std::optional<std::string>("2000"));
    QCOMPARE(panel->progressText(Nutrient::Calories), QStringLiteral("0 of 2000"));
    QVERIFY(panel->grab().toImage() != before);

    // Fat, a limit unless chosen otherwise, becomes a target.
    page->kindBox(Nutrient::Fat)->setFocus();
    QTest::keyClick(page->kindBox(Nutrient::Fat), Qt::Key_Up);
    QCOMPARE(stored("Goals/FatKind"), std::optional<std::string>("target"));

    // Text that gives no goal removes it, and the box says so.
    QTest::keyClicks(page->goalBox(Nutrient::Sugars), QStringLiteral("lots"));
    QVERIFY(!stored("Goals/Sugars"));
    QVERIFY(!page->goalBox(Nutrient::Sugars)->toolTip().isEmpty());

    // Sodium, a limit, over its goal is amber; calories, far from theirs, show the track.
    Nutrients totals {};
    totals[Nutrient::Sodium] = 2400;
    panel->SetTotals(totals);
    QTest::keyClicks(page->goalBox(Nutrient::Sodium), QStringLiteral("2300"));
    QCOMPARE(panel->progressText(Nutrient::Sodium), QStringLiteral("2400 of 2300 mg"));
    QCOMPARE(goalBarPixel(*panel, 8), QRgb(0xFFB300));
    QVERIFY(goalBarPixel(*panel, 0) != QRgb(0xFFB300));
    QVERIFY(goalBarPixel(*panel, 0) != QRgb(0xFFFFFF));

    // Best matches first unless chosen; A to Z reorders the list at once, and is stored.
    dialog.SwitchPage(PageTable::Food);
    QTest::keyClicks(dialog.control(SearchBox), QStringLiteral("milk"));
    QCOMPARE(firstFood(dialog),
             QStringLiteral("Milk, fluid, 1% fat, without added vitamin A and vitamin D"));
    dialog.SwitchPage(PageTable::Settings);
    QVERIFY(page->bestMatchesBox()->isChecked());
    QTest::mouseClick(page->bestMatchesBox(), Qt::LeftButton);
    QCOMPARE(firstFood(dialog),
             QStringLiteral("Babyfood, cereal, barley, prepared with whole milk"));
    QCOMPARE(stored("BestMatchesFirst"), std::optional<std::string>("false"));
    auto *order = dialog.findChild<QAbstractButton *>(QStringLiteral("searchOrderButton"));
    QVERIFY(order && !order->isChecked());

    // The next start shows what was stored.
    m_window.dialog = std::make_unique<CCorvaloDlg>();
    m_window.dialog->show();
    page = static_cast<SettingsPage *>(m_window.dialog->control(PageTable::SettingsPageWindow));
    QCOMPARE(page->goalBox(Nutrient::Calories)->text(), QStringLiteral("2000"));
    QVERIFY(!page->bestMatchesBox()->isChecked());
    panel = static_cast<CElements *>(m_window.dialog->control(NutrientPanel));
    QVERIFY(panel->goals().hasGoal(Nutrient::Sodium));

    // A settings file that cannot be written is said; the goal counts all the same.
    QVERIFY(QDir(m_window.dir->path()).mkdir(QStringLiteral("locked.ini")));
    AppSettings::useFileForTesting(m_window.dir->filePath(QStringLiteral("locked.ini")));
    QTest::keyClicks(page->goalBox(Nutrient::Protein), QStringLiteral("50"));
    QCOMPARE(m_window.dialog->noticeBar()->text(),
             QStringLiteral("Settings not saved: the file cannot be written"));
    QCOMPARE(panel->progressText(Nutrient::Protein), QStringLiteral("0 of 50 g"));
}

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"

void TestSettingsPage::exportFromTheSettingsPage()
{
    QVERIFY(m_window.open(5));
    CCorvaloDlg &dialog = *m_window.dialog;
    MealEntry tea;
    tea.name = "Tea, \"green\"";
    tea.nutrients[Nutrient::Calories] = 0.01f;
    tea.gramsPerUnit = 240.0f;
    tea.amount = 2.0f;
    tea.unit = "cup";
    QVERIFY(dialog.store().AppendMeal({5, 12, 2026}, tea).ok());

    auto *page = static_cast<SettingsPage *>(dialog.control(PageTable::SettingsPageWindow));
    ExportGroup *group = page->exportGroup();
    QVERIFY(group->isVisible());
    QTemporaryDir target;
    ExportGroup::setFolderChooserForTesting([&] { return target.path(); });

    // A range the wrong way round is said, and nothing written.
    group->fromBox()->setText(QStringLiteral("2026-12-06"));
    group->toBox()->setText(QStringLiteral("2026-12-05"));
    QTest::mouseClick(group->exportButton(), Qt::LeftButton);
    QVERIFY(group->statusLabel()->text().contains(QStringLiteral("YYYY-MM-DD")));
    QVERIFY(!QFile::exists(target.filePath(QStringLiteral("meals.csv"))));

    group->fromBox()->setText(QStringLiteral("2026-12-04"));
    // Numbers as a spreadsheet set to German reads them.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QSignalSpy finished(group, &ExportGroup::finished);
    QTest::mouseClick(group->exportButton(), Qt::LeftButton);
    QVERIFY(finished.wait());
    QLocale::setDefault(QLocale::c());
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(group->statusLabel()->text(),
             QStringLiteral("Exported 2 days to %1.").arg(QDir::toNativeSeparators(target.path())));

    QFile meals(target.filePath(QStringLiteral("meals.csv")));
    QVERIFY(meals.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = meals.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // header, the tea, and the empty rest after the last CR LF
    // No food of that name: each of the 62 other nutrients is an empty cell.
    QCOMPARE(lines[1],
             QByteArray("2026-12-05,\"Tea, \"\"green\"\"\",2,cup,480,\"4,8\",0,0,0,0,0,0,0,0,0") +
                 QByteArray(62, ',') + '\r');
    ExportGroup::setFolderChooserForTesting({});
}
