// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CCorvaloDlg.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "controls/EraseRequest.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <memory>

using namespace DialogLayout;

namespace {

// 5 December 2026, 09:30 UTC.
constexpr std::int64_t kNow = 1796463000;

QSet<int> visiblePageControls(const CCorvaloDlg &dialog)
{
    QSet<int> shown;
    for (int id : std::initializer_list<int> {
             WeightBox, MealList, SearchBox, FoodList, AmountBox, NutrientPanel, UnitBox, AddButton,
             DeleteSelectedButton, ClearListButton, 149, 150, 151, 152}) {
        if (dialog.control(id)->isVisibleTo(&dialog))
            shown.insert(id);
    }
    return shown;
}

QImage grabWindow(QWidget &window)
{
    const EraseRequest::SnapshotScope notAnErase;
    return window.grab().toImage();
}

// What the window paints itself, without its controls.
QImage grabSkin(QWidget &window)
{
    const EraseRequest::SnapshotScope notAnErase;
    QImage image(window.size(), QImage::Format_ARGB32);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// The widgets the Tab key visits, in the order of the focus chain.
QStringList tabOrder(QWidget &window)
{
    QStringList order;
    QWidget *widget = &window;
    while ((widget = widget->nextInFocusChain()) != &window) {
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const QWidget *named = widget;
        while (named->objectName().isEmpty() && named->parentWidget())
            named = named->parentWidget();
        order << QStringLiteral("%1 in %2")
                     .arg(QLatin1String(widget->metaObject()->className()), named->objectName());
    }
    return order;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsAtTheirPlaces();
    void pageMatrix_data();
    void pageMatrix();
    void rememberedPage_data();
    void rememberedPage();
    void enterDoesNothingEscapeCloses();
    void closeButtonCloses();
    void monthTitle();
    void pressOnTheBackgroundMovesTheWindow();
    void pageSwitchReloadsTheDay();
    void shownPageFirst_data();
    void shownPageFirst();

private:
    std::unique_ptr<CCorvaloDlg> openWindow();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMainWindow::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    std::setlocale(LC_TIME, "C");
    Clock::setNowForTesting(kNow);
}

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    AppSettings::useFileForTesting(m_dir->filePath(QStringLiteral("settings.ini")));
    AppFolders::setExecutableFolderForTesting(m_dir->path().toStdString());
}

void TestMainWindow::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<CCorvaloDlg> TestMainWindow::openWindow()
{
    auto dialog = std::make_unique<CCorvaloDlg>();
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestMainWindow::controlsAtTheirPlaces()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    QCOMPARE(dialog->size(), QSize(640, 480));
    QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Corvalo"));
    QVERIFY(!dialog->windowIcon().isNull());

    // Dialog units times 6/4 across and 13/8 down, halves rounded away from zero.
    const std::pair<ControlId, QPoint> places[] = {
        {DayStrip, {0, 44}},           {MealList, {177, 336}},
        {SearchBox, {279, 107}},       {FoodList, {177, 135}},
        {AmountBox, {282, 309}},       {UnitBox, {357, 309}},
        {AddButton, {503, 306}},       {DeleteSelectedButton, {281, 463}},
        {ClearListButton, {420, 463}}, {NutrientPanel, {12, 137}},
        {CloseButton, {618, 0}},       {FoodButton, {425, 20}},
        {ChartsButton, {458, 20}},     {DiaryButton, {501, 20}},
        {OvulationButton, {467, 0}},   {SettingsButton, {525, 0}},
        {WeightBox, {93, 107}},        {CommunityButton, {543, 20}},
    };
    for (const auto &[id, place] : places) {
        QWidget *widget = dialog->control(id);
        QVERIFY2(widget, qPrintable(QString::number(id)));
        QCOMPARE(widget->pos(), place);
    }
    // Image buttons take the size of one frame of their strip.
    QCOMPARE(dialog->control(FoodButton)->size(), QSize(35, 16));
    QCOMPARE(dialog->control(CloseButton)->size(), QSize(22, 23));
    QCOMPARE(dialog->control(AddButton)->size(), QSize(126, 29));
    QVERIFY(!dialog->control(AddButton)->isEnabled());
    QCOMPARE(dialog->control(DayStrip)->geometry(), QRect(0, 44, 638, 54));
    // The page windows fill the area below the strip.
    QCOMPARE(dialog->control(PageTable::ChartsPageWindow)->geometry(), QRect(0, 98, 638, 382));
    QCOMPARE(QApplication::focusWidget(), dialog->control(DayStrip));
}

void TestMainWindow::pageMatrix_data()
{
    const QSet<int> food {WeightBox,      MealList,  SearchBox,
                          FoodList,       AmountBox, NutrientPanel,
                          UnitBox,        AddButton, DeleteSelectedButton,
                          ClearListButton};
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<QSet<int>>("shownControls");
    QTest::addColumn<int>("disabledButton");
    QTest::newRow("food") << 1 << 1 << food << int(FoodButton);
    QTest::newRow("charts") << 2 << 2 << QSet<int> {149} << int(ChartsButton);
    QTest::newRow("diary") << 3 << 3 << QSet<int> {150} << int(DiaryButton);
    QTest::newRow("nutrients") << 4 << 4 << QSet<int> {152} << int(OvulationButton);
    QTest::newRow("settings") << 5 << 5 << QSet<int> {151} << int(SettingsButton);
    // Any other number shows the Settings page.
    for (int page : {0, 6, -2})
        QTest::addRow("page %d", page) << page << 5 << QSet<int> {151} << int(SettingsButton);
}

void TestMainWindow::pageMatrix()
{
    QFETCH(int, page);
    QFETCH(int, shownPage);
    QFETCH(QSet<int>, shownControls);
    QFETCH(int, disabledButton);
    auto dialog = openWindow();
    QVERIFY(dialog);

    dialog->SwitchPage(page);
    QCOMPARE(dialog->currentPage(), shownPage);
    QCOMPARE(dialog->dayStrip()->m_page, shownPage);

    QCOMPARE(visiblePageControls(*dialog), shownControls);
    for (int button : {FoodButton, ChartsButton, DiaryButton, OvulationButton, SettingsButton})
        QCOMPARE(dialog->control(button)->isEnabled(), button != disabledButton);

    // Page switching never touches the strip and the buttons that are always there.
    for (int id : {DayStrip, CloseButton, FoodButton, ChartsButton, DiaryButton, OvulationButton,
                   SettingsButton, CommunityButton})
        QVERIFY(dialog->control(id)->isVisible());

    // The overlay is painted on the Food page only.
    const QImage shown = grabSkin(*dialog);
    dialog->SwitchPage(PageTable::Charts);
    QCOMPARE(shown == grabSkin(*dialog), shownPage != PageTable::Food);
}

void TestMainWindow::rememberedPage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("firstPage");
    QTest::newRow("first run") << QVariant() << 5;
    QTest::newRow("charts") << QVariant(2) << 2;
    QTest::newRow("zero") << QVariant(0) << 5;
    QTest::newRow("out of range") << QVariant(9) << 5;
    QTest::newRow("negative") << QVariant(-4) << 5;
}

void TestMainWindow::rememberedPage()
{
    QFETCH(QVariant, stored);
    QFETCH(int, firstPage);
    if (stored.isValid())
        AppSettings::writeTabs(stored.toInt());

    auto first = openWindow();
    QVERIFY(first);
    QCOMPARE(first->currentPage(), firstPage);
    first.reset();
    QCOMPARE(AppSettings::readTabs(), firstPage);

    auto second = openWindow();
    QVERIFY(second);
    QTest::mouseClick(second->control(DiaryButton), Qt::LeftButton);
    QCOMPARE(second->currentPage(), 3);
    second.reset();
    QCOMPARE(AppSettings::readTabs(), 3);

    auto third = openWindow();
    QVERIFY(third);
    QCOMPARE(third->currentPage(), 3);
}

void TestMainWindow::enterDoesNothingEscapeCloses()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    dialog->SwitchPage(1);
    auto *search = static_cast<QLineEdit *>(dialog->control(SearchBox));
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Return);
    QTest::keyClick(search, Qt::Key_Enter);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QVERIFY(dialog->isVisible());

    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    dialog.reset();
    QCOMPARE(AppSettings::readTabs(), 1);
}

void TestMainWindow::closeButtonCloses()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    QSignalSpy finished(dialog.get(), &QDialog::finished);
    QTest::mouseClick(dialog->control(CloseButton), Qt::LeftButton);
    QTRY_COMPARE(finished.count(), 1); // the close request is posted
    QVERIFY(!dialog->isVisible());
}

void TestMainWindow::monthTitle()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    QCOMPARE(dialog->monthTitle(), QStringLiteral("December 2026"));

    // White text in the title strip, starting a few pixels in from the left edge.
    const QImage image = grabWindow(*dialog);
    int left = image.width();
    int bottom = 0;
    const int stripTop = dialog->control(DayStrip)->y(); // the strip below paints white, too
    for (int y = 0; y < stripTop; ++y) {
        for (int x = 0; x < 350; ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                left = std::min(left, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    QVERIFY2(left >= 6 && left <= 12, qPrintable(QString::number(left)));
    QVERIFY2(bottom > 15 && bottom < 40, qPrintable(QString::number(bottom)));
}

void TestMainWindow::pressOnTheBackgroundMovesTheWindow()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    dialog->SwitchPage(1);
    dialog->move(100, 100);

    // On the background, and on the nutrient panel, which takes no mouse input.
    for (const QPoint start : {QPoint(636, 300), QPoint(60, 300)}) {
        const QPoint before = dialog->pos();
        QWidget *target = dialog->childAt(start) ? dialog->childAt(start) : dialog.get();
        if (target != dialog.get())
            QVERIFY(target->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mousePress(dialog.get(), Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(15, 10)),
                         dialog->mapToGlobal(QPointF(start + QPoint(15, 10))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &move);
        QTest::mouseRelease(dialog.get(), Qt::LeftButton, {}, start + QPoint(15, 10));
        QCOMPARE(dialog->pos(), before + QPoint(15, 10));
    }

    // A press on a control does not move the window.
    const QPoint before = dialog->pos();
    QTest::mousePress(dialog->control(SearchBox), Qt::LeftButton);
    QTest::mouseRelease(dialog->control(SearchBox), Qt::LeftButton);
    QCOMPARE(dialog->pos(), before);
}

void TestMainWindow::pageSwitchReloadsTheDay()
{
    auto dialog = openWindow();
    QVERIFY(dialog);
    QSignalSpy reloads(dialog->dayStrip(), &CTimCalentar::dayChosen);
    dialog->SwitchPage(2);
    QTRY_COMPARE(reloads.count(), 1);

    // A click on a day cell that asks for another page switches to it after the reload.
    dialog->dayStrip()->m_page = 3;
    dialog->dayStrip()->InvalidateWithErase();
    QTRY_COMPARE(dialog->currentPage(), 3);
    QVERIFY(dialog->control(PageTable::DiaryPageWindow)->isVisible());
}

void TestMainWindow::shownPageFirst_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("clickAtOnce");
    QTest::newRow("settings, Charts clicked at once") << int(PageTable::Settings) << true;
    QTest::newRow("settings, left to build") << int(PageTable::Settings) << false;
    QTest::newRow("food, left to build") << int(PageTable::Food) << false;
    QTest::newRow("diary, Charts clicked at once") << int(PageTable::Diary) << true;
}

void TestMainWindow::shownPageFirst()
{
    QFETCH(int, page);
    QFETCH(bool, clickAtOnce);
    QStringList wholeTabOrder;
    {
        auto whole = openWindow();
        QVERIFY(whole);
        static_cast<QLineEdit *>(whole->control(WeightBox))->setText(QStringLiteral("71.5"));
        static_cast<CDiary *>(whole->control(PageTable::DiaryPageWindow))
            ->editor()
            ->setPlainText(QStringLiteral("Ran 5 km"));
        whole->FlushTyping();
        wholeTabOrder = tabOrder(*whole);
    }
    AppSettings::writeTabs(page);

    CCorvaloDlg dialog(nullptr, CCorvaloDlg::Build::ShownPageFirst);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.currentPage(), page);
    QCOMPARE(dialog.control(WeightBox) != nullptr, page == PageTable::Food);
    QCOMPARE(dialog.control(PageTable::DiaryPageWindow) != nullptr, page == PageTable::Diary);
    if (clickAtOnce) {
        // Before the first paint: the click builds the other pages first.
        QTest::mouseClick(dialog.control(ChartsButton), Qt::LeftButton);
        QCOMPARE(dialog.currentPage(), int(PageTable::Charts));
        QVERIFY(dialog.control(PageTable::ChartsPageWindow)->isVisible());
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(dialog.control(WeightBox) && dialog.control(PageTable::ChartsPageWindow) &&
                    dialog.control(PageTable::DiaryPageWindow));
        QCOMPARE(dialog.currentPage(), page);
        QCOMPARE(visiblePageControls(dialog).size(), page == PageTable::Food ? 10 : 1);
    }
    // The pages built later show the day and take Tab as the whole window does.
    QCOMPARE(static_cast<QLineEdit *>(dialog.control(WeightBox))->text(), QStringLiteral("71.5"));
    QCOMPARE(
        static_cast<CDiary *>(dialog.control(PageTable::DiaryPageWindow))->editor()->toPlainText(),
        QStringLiteral("Ran 5 km"));
    QCOMPARE(tabOrder(dialog), wholeTabOrder);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
