// SPDX-License-Identifier: GPL-3.0-or-later
#include "MealSamples.h"
#include "layout/DialogLayout.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"
#include "store/MealDayFile.h"

#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

namespace fs = std::filesystem;

class TestMealsList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsTheDayScrolledToItsNewestRows();
    void ticksLeftOfX24();
    void editorOpensStrictlyInsideTheCell_data();
    void editorOpensStrictlyInsideTheCell();
    void editInPlaceRewritesOnlyThatRecord();
    void leavingTheEditorUntouched();
    void typedAmounts_data();
    void typedAmounts();
    void wheelScrollsOneRowPerNotch();
    void deleteTickedRows();
    void selectionAndFocus();
    void clearList();
    void unreadableDayIsNotRewritten();
    void paintsRowsOverTheBackground();
    void longTextsStayInTheirPlaces();
    void largeDayLoadsAndChangesAwayFromTheWindow();

private:
    void fill(const std::vector<float> &amounts);
    static QPoint at(int visibleRow, int x) { return {x, visibleRow * 24 + 12}; }
    void click(QPoint point) { QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, point); }
    void wheel(int delta);
    std::string fileBytes() const { return FileIo::readAll(m_path).value_or(std::string()); }
    void openEditor(int visibleRow);

    static constexpr DayFiles::LocalDate Day {5, 12, 2026};
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DayStore> m_store;
    fs::path m_path;
    QWidget *m_window = nullptr;
    CMealsList *m_list = nullptr;
    CElements *m_panel = nullptr;
    QLineEdit *m_elsewhere = nullptr;
};

static const char *const Names[] = {"Apple", "Banana", "Cherry", "Dates", "Egg",
                                    "Fig",   "Grape",  "Honey",  "Ice",   "Jam"};

void TestMealsList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const fs::path root = m_dir->path().toStdString();
    fs::create_directory(root / "db");
    m_store = std::make_unique<DayStore>(root);
    m_path = root / "db" / "12-05-2026.db";

    m_window = new QDialog; // Escape would close it
    m_window->setFixedSize(DialogLayout::WindowWidth, DialogLayout::WindowHeight);
    m_elsewhere = new QLineEdit(m_window);
    m_elsewhere->setGeometry(10, 10, 80, 20);
    m_panel = new CElements(m_window);
    const auto p = DialogLayout::pixelRect(DialogLayout::NutrientPanel);
    m_panel->setGeometry(p.x, p.y, p.width, p.height);
    m_list = new CMealsList(m_window);
    const auto r = DialogLayout::pixelRect(DialogLayout::MealList);
    m_list->setGeometry(r.x, r.y, r.width, r.height);
    m_list->setPanel(m_panel);
    m_list->setStore(m_store.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestMealsList::cleanup()
{
    delete m_window;
}

void TestMealsList::fill(const std::vector<float> &amounts)
{
    for (std::size_t i = 0; i < amounts.size(); ++i)
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry(Names[i], amounts[i])));
    m_list->LoadMeals(Day);
    QCOMPARE(m_list->count(), int(amounts.size()));
}

void TestMealsList::wheel(int delta)
{
    const QPointF point(100, 50);
    QWheelEvent event(point, m_list->viewport()->mapToGlobal(point), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_list->viewport(), &event);
}

void TestMealsList::openEditor(int visibleRow)
{
    click(at(visibleRow, m_list->rowLayout().amountLeft() + 20));
    QVERIFY(m_list->amountEditor()->isVisible());
    QVERIFY(m_list->amountEditor()->hasFocus());
}

void TestMealsList::loadsTheDayScrolledToItsNewestRows()
{
    m_list->LoadMeals(Day); // no file yet
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_list->topRow(), -1);
    QCOMPARE(m_list->day(), Day);
    QCOMPARE(m_panel->totalText(Nutrient::Calories), QStringLiteral("-"));

    fill({1, 2, 3, 4, 5, 6, 7, 8});
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(m_list->model()->index(i, 0).data().toString(),
                 QString::fromLatin1(Names[i])); // for type-ahead
        QCOMPARE(m_list->entries()[i].listIndex, i);
    }
    // 127 pixels hold five whole rows: the newest eight end at the bottom.
    QCOMPARE(m_list->topRow(), 3);
    // Calories of a sample entry: (0.25 + the name's length) per gram; fat 0.5 more.
    QCOMPARE(m_panel->totals()[Nutrient::Calories], 172.0f);
    QCOMPARE(m_panel->totals()[Nutrient::Fat], 190.0f);
    QCOMPARE(m_list->rowLayout().amountLeft(), 455 - 148);
    QCOMPARE(m_list->rowLayout().amountRight(), 455 - 89);
}

void TestMealsList::ticksLeftOfX24()
{
    fill({1, 2, 3});
    click(at(1, 23));
    QVERIFY(m_list->entries()[1].ticked);
    QCOMPARE(m_list->currentRow(), 1); // the press also selects
    click(at(2, 24));
    QVERIFY(!m_list->entries()[2].ticked);
    QCOMPARE(m_list->currentRow(), 2);
    click(at(1, 0));
    QVERIFY(!m_list->entries()[1].ticked);

    click(at(4, 10)); // below the last row
    for (const MealEntry &entry : m_list->entries())
        QVERIFY(!entry.ticked);
    QVERIFY(!m_list->amountEditor()->isVisible());

    // Ticks live in memory only: any reload clears them.
    click(at(0, 5));
    m_list->LoadMeals(Day);
    QVERIFY(!m_list->entries()[0].ticked);

    m_list->LoadMeals({6, 12, 2026}); // an empty day
    click(at(0, 5));
    click(at(0, 330));
    QCOMPARE(m_list->count(), 0);
    QVERIFY(!m_list->amountEditor()->isVisible());
}

void TestMealsList::editorOpensStrictlyInsideTheCell_data()
{
    QTest::addColumn<int>("offset"); // from the cell's left edge at 307; its right edge is 366
    QTest::addColumn<bool>("opens");
    QTest::newRow("left edge") << 0 << false;
    QTest::newRow("just inside left") << 1 << true;
    QTest::newRow("just inside right") << 58 << true;
    QTest::newRow("right edge") << 59 << false;
    QTest::newRow("unit") << 70 << false;
}

void TestMealsList::editorOpensStrictlyInsideTheCell()
{
    QFETCH(int, offset);
    QFETCH(bool, opens);
    fill({3, 150, 7});
    const std::string before = fileBytes();

    click(at(1, m_list->rowLayout().amountLeft() + offset));
    QLineEdit *editor = m_list->amountEditor();
    QCOMPARE(editor->isVisible(), opens);
    QCOMPARE(m_list->editRow(), opens ? 1 : -1);
    if (!opens)
        return;
    // Always one decimal in the editor, also where the row shows none; all of it selected.
    QCOMPARE(editor->text(), QStringLiteral("150.0"));
    QCOMPARE(editor->selectedText(), editor->text());
    QCOMPARE(editor->geometry(), QRect(308, 27, 58, 19));
    QCOMPARE(editor->maxLength(), 7);

    m_elsewhere->setFocus();
    QVERIFY(!editor->isVisible());
    QCOMPARE(m_list->editRow(), -1);
    QCOMPARE(fileBytes(), before);
}

void TestMealsList::editInPlaceRewritesOnlyThatRecord()
{
    fill({1, 3, 5});
    const std::string before = fileBytes();

    openEditor(1);
    QTest::keyClicks(m_list->amountEditor(), QStringLiteral("2.5"));
    QTest::keyClick(m_list->amountEditor(), Qt::Key_Return);
    QVERIFY(!m_list->amountEditor()->isVisible());
    QCOMPARE(m_list->editRow(), -1);
    QVERIFY(m_list->hasFocus());

    const std::string after = fileBytes();
    QCOMPARE(after.size(), before.size());
    const std::size_t amountAt = 56 + 6 + 45; // "Apple"+"g" record, then "Banana", zero, 44
    QCOMPARE(after.substr(0, amountAt), before.substr(0, amountAt));
    QCOMPARE(after.substr(amountAt + 4), before.substr(amountAt + 4));
    QCOMPARE(m_list->entries()[1].amount, 2.5f);
    QCOMPARE(MealDayFile::Load(m_path).entries[1].amount, 2.5f);
    QCOMPARE(m_panel->totals()[Nutrient::Calories], 5.25f + 2.5f * 6.25f + 5.0f * 6.25f);
}

void TestMealsList::leavingTheEditorUntouched()
{
    fill({3, 0.25f});
    const auto old = fs::last_write_time(m_path) - std::chrono::hours(1);
    fs::last_write_time(m_path, old);
    const std::string before = fileBytes();

    // The editor shows "0.2" for 0.25: a rounded view, not something the user typed.
    for (int row : {0, 1}) {
        openEditor(row);
        m_elsewhere->setFocus();
        QVERIFY(!m_list->amountEditor()->isVisible());
        openEditor(row);
        QTest::keyClick(m_list->amountEditor(), Qt::Key_Return);
    }
    QCOMPARE(fs::last_write_time(m_path), old);
    QCOMPARE(fileBytes(), before);
    QCOMPARE(m_list->entries()[1].amount, 0.25f);

    // Escape cancels what was half typed and keeps the window open.
    openEditor(1);
    QTest::keyClicks(m_list->amountEditor(), QStringLiteral("7"));
    QTest::keyClick(m_list->amountEditor(), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_list->amountEditor()->isVisible());
    QCOMPARE(m_list->editRow(), -1);
    m_elsewhere->setFocus();
    QCOMPARE(fileBytes(), before);

    // What the user types is stored as typed.
    openEditor(1);
    QTest::keyClicks(m_list->amountEditor(), QStringLiteral("0.35"));
    m_elsewhere->setFocus();
    QCOMPARE(MealDayFile::Load(m_path).entries[1].amount, 0.35f);

    // A list deleted with an edit open drops the edit: nothing is written as it goes.
    openEditor(0);
    QTest::keyClicks(m_list->amountEditor(), QStringLiteral("9"));
    const std::string open = fileBytes();
    delete std::exchange(m_list, nullptr);
    QCOMPARE(fileBytes(), open);
}

void TestMealsList::typedAmounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("stored");
    QTest::addColumn<bool>("enter");
    // The reading rules are TypedNumber's (tst_quickadd); here only the wiring.
    QTest::newRow("decimal comma") << "72,5" << 72.5f << true;
    QTest::newRow("on focus loss") << "4" << 4.0f << false;
    // An amount that is no number above zero is refused: the entry keeps its 5.
    QTest::newRow("negative refused") << "-1" << 5.0f << true;
    QTest::newRow("zero refused") << "0" << 5.0f << true;
    QTest::newRow("over the limit refused") << "12345678" << 5.0f << true;
    QTest::newRow("not wholly a number refused") << "3 cups" << 5.0f << true;
}

void TestMealsList::typedAmounts()
{
    QFETCH(QString, typed);
    QFETCH(float, stored);
    QFETCH(bool, enter);
    fill({5, 10});

    openEditor(0);
    QTest::keyClicks(m_list->amountEditor(), typed);
    if (enter)
        QTest::keyClick(m_list->amountEditor(), Qt::Key_Enter);
    else
        m_elsewhere->setFocus();
    QVERIFY(!m_list->amountEditor()->isVisible());
    QCOMPARE(m_list->entries()[0].amount, stored);
    QCOMPARE(MealDayFile::Load(m_path).entries[0].amount, stored);
    QCOMPARE(MealDayFile::Load(m_path).entries[1].amount, 10.0f);
}

void TestMealsList::wheelScrollsOneRowPerNotch()
{
    fill({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    m_list->verticalScrollBar()->setValue(0);
    QCOMPARE(m_list->topRow(), 0);

    wheel(-120);
    QCOMPARE(m_list->topRow(), 1);
    wheel(-240); // a bigger delta is still one row
    QCOMPARE(m_list->topRow(), 2);
    wheel(-60);
    wheel(-119);
    QCOMPARE(m_list->topRow(), 2);
    wheel(120);
    QCOMPARE(m_list->topRow(), 1);
    wheel(360);
    QCOMPARE(m_list->topRow(), 0);
    wheel(120);
    QCOMPARE(m_list->topRow(), 0);

    // Hits follow the scrolled rows.
    wheel(-120);
    click(at(0, 5));
    QVERIFY(m_list->entries()[1].ticked);
}

void TestMealsList::deleteTickedRows()
{
    fill({1, 2, 3, 4, 5});
    QCOMPARE(m_list->topRow(), 0);
    click(at(1, 10));
    click(at(3, 10));
    m_list->SaveMeals(true);

    std::string expected;
    for (int i : {0, 2, 4})
        expected += MealRecord::Encode(sampleEntry(Names[i], float(i + 1)));
    QCOMPARE(fileBytes(), expected);
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(m_list->entries()[1].name, "Cherry");
    for (const MealEntry &entry : m_list->entries())
        QVERIFY(!entry.ticked);

    for (int row = 0; row < 3; ++row)
        click(at(row, 10));
    m_list->SaveMeals(true);
    QVERIFY(!fs::exists(m_path));
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_panel->totals(), Nutrients {});
}

void TestMealsList::selectionAndFocus()
{
    fill({1, 2, 3});
    const std::string before = fileBytes();
    QSignalSpy selection(m_list, &CMealsList::mealSelectionChanged);
    QSignalSpy focusLost(m_list, &CMealsList::focusLost);

    Nutrients out {};
    out[0] = -1.0f;
    QVERIFY(!m_list->GetSelectedContribution(out));
    QCOMPARE(out[0], -1.0f);

    click(at(1, 100));
    QCOMPARE(selection.count(), 1);
    QVERIFY(m_list->GetSelectedContribution(out));
    // 2 g of "Banana": (0.25 * (k + 1) + 6) per gram of each nutrient k.
    QCOMPARE(out,
             (Nutrients {12.5f, 13.0f, 13.5f, 14.0f, 14.5f, 15.0f, 15.5f, 16.0f, 16.5f, 17.0f}));

    // A selected row is not a ticked one: deleting leaves it.
    m_list->SaveMeals(true);
    QCOMPARE(fileBytes(), before);

    selection.clear();
    m_list->LoadMeals(Day); // reloads are not the user's selection
    QCOMPARE(selection.count(), 0);

    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_C); // type-ahead by name
    QCOMPARE(m_list->currentRow(), 2);
    QCOMPARE(selection.count(), 1);

    focusLost.clear();
    m_elsewhere->setFocus();
    QCOMPARE(focusLost.count(), 1);
    openEditor(0); // the editor takes the focus from the list too
    QCOMPARE(focusLost.count(), 2);
}

void TestMealsList::clearList()
{
    fill({1, 2});
    m_list->ClearMeals();
    QVERIFY(!fs::exists(m_path));
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_panel->totalText(Nutrient::Calories), QStringLiteral("-"));
    m_list->ClearMeals(); // a day without a file stays without one
    QVERIFY(!fs::exists(m_path));
    QCOMPARE(m_list->day(), Day);
}

void TestMealsList::unreadableDayIsNotRewritten()
{
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("A", 1.0f)));
    fs::resize_file(m_path, 65u * 1024 * 1024); // more than the reader takes in
    m_list->LoadMeals(Day);
    QCOMPARE(m_list->count(), 0);
    m_list->SaveMeals(true);
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(65u * 1024 * 1024));
}

void TestMealsList::paintsRowsOverTheBackground()
{
    m_list->LoadMeals(Day);
    const QImage empty = m_list->grab().toImage();
    fill({1, 2, 3, 4, 5, 6});
    m_list->verticalScrollBar()->setValue(0);
    const QImage rows = m_list->grab().toImage();
    QCOMPARE(rows.size(), QSize(455, 127));

    // The sixth row starts at y = 120 and is drawn although only 7 pixels of it show.
    const QRect partlyShown(0, 121, 20, 6);
    QVERIFY(rows.copy(partlyShown) != empty.copy(partlyShown));

    click(at(2, 100));
    const QImage selected = m_list->grab().toImage();
    const QRect nameOfRow2(20, 48, 200, 24);
    QVERIFY(selected.copy(nameOfRow2) != rows.copy(nameOfRow2)); // bold italic
    const QRect nameOfRow1(20, 24, 200, 24);
    QCOMPARE(selected.copy(nameOfRow1), rows.copy(nameOfRow1));
}

void TestMealsList::longTextsStayInTheirPlaces()
{
    m_list->LoadMeals(Day);
    const QImage empty = m_list->grab().toImage();
    const std::string name =
        "Cereals, oats, regular and quick and instant, unenriched, cooked with "
        "water (includes boiling and microwaving), with salt";
    QVERIFY(MealDayFile::AppendMealRecord(m_path,
                                          sampleEntry(name, 9999999.0f, "cup (4.86 large eggs)")));
    m_list->LoadMeals(Day);
    const QImage row = m_list->grab().toImage();

    // The amount stays inside its frame, the unit on one line in the middle of the row.
    const int right = m_list->rowLayout().amountRight();
    const QRect besideTheFrame(right + 1, 0, 5, 24);
    QCOMPARE(row.copy(besideTheFrame), empty.copy(besideTheFrame));
    const QRect aboveTheUnit(right + 6, 0, 80, 4);
    QCOMPARE(row.copy(aboveTheUnit), empty.copy(aboveTheUnit));

    // What was cut short is there whole in a tooltip.
    const auto tooltipAt = [&](QPoint point) {
        QHelpEvent help(QEvent::ToolTip, point, m_list->viewport()->mapToGlobal(point));
        QApplication::sendEvent(m_list->viewport(), &help);
        return QToolTip::text();
    };
    QCOMPARE(tooltipAt(QPoint(100, 12)), QString::fromStdString(name));
    QCOMPARE(tooltipAt(QPoint(right + 20, 12)), QStringLiteral("cup (4.86 large eggs)"));
}

void TestMealsList::largeDayLoadsAndChangesAwayFromTheWindow()
{
    // Two days past the size read at once, of 52-byte records told apart by their last one.
    const std::string apple = MealRecord::Encode(sampleEntry("A", 1.0f));
    const int records = int(CMealsList::LargeDayBytes / 52) + 1;
    std::string image;
    for (int i = 1; i < records; ++i)
        image += apple;
    QVERIFY(FileIo::writeAtomically(m_path, image + MealRecord::Encode(sampleEntry("B", 2.0f))));
    const fs::path sixth = m_path.parent_path() / "12-06-2026.db";
    QVERIFY(FileIo::writeAtomically(sixth, image + MealRecord::Encode(sampleEntry("C", 3.0f))));

    // The first load is left before it arrives: only the second day's rows are shown.
    QSignalSpy opened(m_list, &CMealsList::opened);
    m_list->LoadMeals(Day);
    QVERIFY(m_list->isLoading());
    QCOMPARE(m_list->count(), 0);
    m_list->LoadMeals({6, 12, 2026});
    QTRY_VERIFY(!m_list->isLoading());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).value<FileIo::Result>().file, sixth);
    QCOMPARE(m_list->count(), records);
    QCOMPARE(m_list->entries().back().name, std::string("C"));
    QCOMPARE(m_list->topRow(), records - 5);

    // Each write can be taken back once it is done.
    std::vector<std::pair<QString, std::shared_ptr<const UndoStep>>> offered;
    connect(m_list, &CMealsList::undoable, this,
            [&](const std::shared_ptr<const UndoStep> &step, const QString &what) {
                offered.emplace_back(what, step);
            });

    // An Add while the day loads is written after the read and shown with its rows.
    m_list->LoadMeals(Day);
    m_list->AppendMeal(sampleEntry("D", 4.0f));
    QCOMPARE(m_list->count(), 0);
    QTRY_VERIFY(!m_list->isLoading());
    QCOMPARE(m_list->count(), records + 1);
    QCOMPARE(m_list->entries()[records - 1].name, std::string("B"));
    QCOMPARE(m_list->entries().back().name, std::string("D"));
    // 1.25 kcal per gram of each one-letter sample: records - 1 times 1 g, 2 g of B, 4 g of D.
    QCOMPARE(m_panel->totals()[Nutrient::Calories], float(records + 5) * 1.25f);

    // Delete Selected, an amount edit and an Add change the rows at once and the file after.
    click(at(4, 10)); // "D"
    click(at(2, 10));
    m_list->SaveMeals(true);
    QCOMPARE(m_list->count(), records - 1);
    openEditor(4); // "B"
    QTest::keyClicks(m_list->amountEditor(), QStringLiteral("7"));
    QTest::keyClick(m_list->amountEditor(), Qt::Key_Return);
    m_list->AppendMeal(sampleEntry("E", 5.0f));
    QCOMPARE(m_list->entries()[records - 2].amount, 7.0f);
    // One A and D gone, B now 7 g, E 5 g.
    QCOMPARE(m_panel->totals()[Nutrient::Calories], float(records + 10) * 1.25f);
    // The worker writes in order: the last Add ends the changes.
    QTRY_COMPARE(MealDayFile::Load(m_path).entries.back().name, std::string("E"));
    const std::vector<MealEntry> stored = MealDayFile::Load(m_path).entries;
    QCOMPARE(stored.size(), std::size_t(records));
    QCOMPARE(stored[records - 2].name, std::string("B"));
    QCOMPARE(stored[records - 2].amount, 7.0f);
    QCOMPARE(stored.back().name, std::string("E"));

    // Clear List, then Undo: the file's bytes are back.
    const std::optional<std::string> full = FileIo::readAll(m_path);
    QVERIFY(full);
    QTRY_COMPARE(offered.size(), std::size_t(4));
    m_list->ClearMeals();
    QTRY_COMPARE(offered.size(), std::size_t(5));
    QVERIFY(!fs::exists(m_path));
    QStringList said;
    for (const auto &offer : offered)
        said.append(offer.first);
    QCOMPARE(said,
             QStringList({QStringLiteral("Added 1 meal."), QStringLiteral("Deleted 2 meals."),
                          QStringLiteral("Changed an amount."), QStringLiteral("Added 1 meal."),
                          QStringLiteral("Cleared the list of %1 meals.").arg(records)}));
    QVERIFY(offered.back().second->restore().ok());
    QCOMPARE(FileIo::readAll(m_path), full);
}

QTEST_MAIN(TestMealsList)
#include "tst_mealslist.moc"
