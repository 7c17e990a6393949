// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoodTestData.h"
#include "food/FoodListModel.h"
#include "food/FoodListView.h"
#include "food/FoodSearchController.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace FoodTestData;
using namespace Qt::StringLiterals;

// Far wider than the list and its 600-pixel column.
const QString kLongName = u"Pineapple, raw, all varieties, sliced or in chunks, KRAFT JELL-O Brand "
                          u"Sugar Free Reduced Calorie Dessert Topping, with aspartame, powder"_s;

// The search box and the food list wired through their controller, as the main window does.
class TestFoodList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listLooksLikeTheFoodList();
    void typingFilters();
    void caseAndAccents();
    void currentFoodFollowsTheList();
    void clicks();
    void upAndDown();
    void focusLoss();
    void bestMatchesFirst();

private:
    QStringList rows() const;
    void clickRow(int row);
    void type(const QString &text);

    FoodDatabase m_database;
    QWidget *m_window = nullptr;
    QLineEdit *m_box = nullptr;
    FoodListView *m_list = nullptr;
    FoodSearchController *m_controller = nullptr;
    int m_current = -1; // the record the main window would hold as the current food
};

void TestFoodList::initTestCase()
{
    QVERIFY(loadFoods(m_database,
                      {food("Apple juice, canned"), food("Apples, raw"), food("Crème brûlée"),
                       food("CRÈME CARAMEL"), food(kLongName.toStdString())}));
}

void TestFoodList::init()
{
    m_window = new QWidget;
    auto *layout = new QVBoxLayout(m_window);
    m_box = new QLineEdit(m_window);
    m_list = new FoodListView(m_window);
    layout->addWidget(m_box);
    layout->addWidget(m_list);
    m_window->resize(460, 400); // room below the last row
    m_controller = new FoodSearchController(m_database, m_box, m_list, m_window);
    m_controller->resetAfterLoad();
    m_current = -1;
    connect(m_controller, &FoodSearchController::foodRowChosen, m_window,
            [this](int row) { m_current = m_controller->recordForRow(row); });
    connect(m_controller, &FoodSearchController::filterRecomputed, m_window,
            [this] { m_current = -1; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFoodList::cleanup()
{
    delete m_window;
}

QStringList TestFoodList::rows() const
{
    QStringList names;
    const QAbstractItemModel *model = m_list->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    return names;
}

void TestFoodList::clickRow(int row)
{
    const QRect rect = m_list->visualRect(m_list->model()->index(row, 0));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestFoodList::type(const QString &text)
{
    m_box->setFocus();
    QTest::keyClicks(m_box, text);
}

void TestFoodList::listLooksLikeTheFoodList()
{
    QCOMPARE(m_list->model(), m_controller->model());
    QCOMPARE(rows(),
             (QStringList {u"Apple juice, canned"_s, u"Apples, raw"_s, u"Crème brûlée"_s,
                           u"CRÈME CARAMEL"_s, kLongName}));
    QCOMPARE(m_list->columnWidth(0), 600);
    QVERIFY(m_list->showGrid());
    QVERIFY(m_list->horizontalHeader()->isHidden());
    QVERIFY(m_list->verticalHeader()->isHidden());
    QCOMPARE(m_list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(m_list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(m_list->palette().color(QPalette::Inactive, QPalette::Highlight),
             m_list->palette().color(QPalette::Active, QPalette::Highlight));
    const QVariant alignment = m_list->model()->index(0, 0).data(Qt::TextAlignmentRole);
    QVERIFY(alignment.value<Qt::Alignment>() & Qt::AlignLeft);

    // A reset keeps the column's width.
    type(u"ap"_s);
    QCOMPARE(m_list->columnWidth(0), 600);

    // The list is narrower than the column: it scrolls to the column's end, and the tooltip
    // holds the whole name where the column cuts it.
    m_box->setText(u"pine"_s);
    QScrollBar *bar = m_list->horizontalScrollBar();
    QVERIFY(m_list->viewport()->width() < 600);
    QCOMPARE(bar->maximum(), 600 - m_list->viewport()->width());
    QCOMPARE(m_list->model()->index(0, 0).data(Qt::ToolTipRole).toString(), kLongName);
    // Choosing a row keeps the part of the names scrolled to.
    bar->setValue(bar->maximum());
    clickRow(0);
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_Home);
    QTest::keyClick(m_list, Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestFoodList::typingFilters()
{
    QSignalSpy recomputed(m_controller, &FoodSearchController::filterRecomputed);
    type(u"a"_s);
    QCOMPARE(rows().size(), 5); // one character shows everything
    QCOMPARE(recomputed.count(), 0);
    type(u"p"_s);
    QCOMPARE(rows(), (QStringList {u"Apple juice, canned"_s, u"Apples, raw"_s}));
    QCOMPARE(recomputed.count(), 1);
    type(u" "_s);
    QCOMPARE(recomputed.count(), 1);
    type(u"r"_s);
    QCOMPARE(rows(), QStringList {u"Apples, raw"_s});
    QCOMPARE(recomputed.count(), 2);
    QTest::keyClick(m_box, Qt::Key_Backspace);
    QCOMPARE(recomputed.count(), 3);
    QCOMPARE(rows().size(), 2);
    m_box->setText(u"x"_s);
    QCOMPARE(rows().size(), 5);
    m_box->setText(u"raw pine"_s);
    QCOMPARE(rows(), QStringList {kLongName});
}

void TestFoodList::caseAndAccents()
{
    m_box->setText(u"APPLES"_s);
    QCOMPARE(rows(), QStringList {u"Apples, raw"_s});
    m_box->setText(u"apples"_s);
    QCOMPARE(rows(), QStringList {u"Apples, raw"_s});
    // The search text's È becomes è; the name's È stays a capital, so only "Crème" is found.
    m_box->setText(u"CRÈME"_s);
    QCOMPARE(rows(), QStringList {u"Crème brûlée"_s});
    m_box->setText(u"crème"_s);
    QCOMPARE(rows(), QStringList {u"Crème brûlée"_s});
    m_box->setText(u"cr"_s);
    QCOMPARE(rows().size(), 2);
}

void TestFoodList::currentFoodFollowsTheList()
{
    type(u"ap"_s);
    clickRow(1);
    QCOMPARE(m_current, 1);
    type(u" "_s); // no recomputation: the food stays current
    QCOMPARE(m_current, 1);
    QCOMPARE(m_list->selectedRow(), 1);
    type(u"j"_s);
    QCOMPARE(m_current, -1); // recomputed: nothing current, nothing selected
    QCOMPARE(m_list->selectedRow(), -1);

    clickRow(0);
    QCOMPARE(m_current, 0);
    m_box->setText(u"a"_s); // back to everything: the food stays current
    QCOMPARE(m_current, 0);
    QCOMPARE(rows().size(), 5);
}

void TestFoodList::clicks()
{
    QSignalSpy chosen(m_controller, &FoodSearchController::foodRowChosen);
    type(u"raw"_s);
    clickRow(1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 1);
    QCOMPARE(m_list->selectedRow(), 1);
    QCOMPARE(m_current, 4); // row 1 of the filtered list is record 4

    // Below the last row: nothing changes.
    const QRect last = m_list->visualRect(m_list->model()->index(1, 0));
    QVERIFY(last.bottom() + 20 < m_list->viewport()->height());
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                      QPoint(last.center().x(), last.bottom() + 20));
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_list->selectedRow(), 1);

    // Other buttons do not choose.
    QTest::mouseClick(m_list->viewport(), Qt::RightButton, {},
                      m_list->visualRect(m_list->model()->index(0, 0)).center());
    QCOMPARE(chosen.count(), 0);
}

void TestFoodList::upAndDown()
{
    QSignalSpy chosen(m_controller, &FoodSearchController::foodRowChosen);
    m_list->setFocus();
    // Up with nothing selected chooses nothing; Down chooses row 0.
    QTest::keyClick(m_list, Qt::Key_Up);
    QCOMPARE(chosen.count(), 0);
    m_list->clearSelection();
    QTest::keyClick(m_list, Qt::Key_Down);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
    QCOMPARE(m_list->selectedRow(), 0);

    QTest::keyClick(m_list, Qt::Key_Down);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 1);
    QCOMPARE(m_list->selectedRow(), 1);
    QTest::keyClick(m_list, Qt::Key_Up);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
    QTest::keyClick(m_list, Qt::Key_Up); // first row: nothing
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_list->selectedRow(), 0);

    clickRow(4);
    chosen.clear();
    QTest::keyClick(m_list, Qt::Key_Down); // last row: nothing
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_list->selectedRow(), 4);

    // Home and End go to the first and last food and choose it; Page Down only moves.
    clickRow(2);
    chosen.clear();
    QTest::keyClick(m_list, Qt::Key_End);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 4);
    QCOMPARE(m_list->selectedRow(), 4);
    QTest::keyClick(m_list, Qt::Key_Home);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
    QCOMPARE(m_list->selectedRow(), 0);
    QCOMPARE(m_current, 0);
    QTest::keyClick(m_list, Qt::Key_PageDown);
    QCOMPARE(chosen.count(), 0);
    m_box->setText(u"zz"_s); // an empty list: nothing to choose
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_End);
    QCOMPARE(chosen.count(), 0);
}

void TestFoodList::focusLoss()
{
    QSignalSpy lost(m_controller, &FoodSearchController::listFocusLost);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_list->setFocus();
    QVERIFY(m_list->hasFocus());
    m_box->setFocus();
    QCOMPARE(lost.count(), 1);
}

void TestFoodList::bestMatchesFirst()
{
    type(u"apple"_s);
    clickRow(1);
    QCOMPARE(m_current, 1);
    QSignalSpy recomputed(m_controller, &FoodSearchController::filterRecomputed);
    // Switched while a search shows: its words are matched and ordered anew, so the row that was
    // current no longer is.
    m_controller->setBestMatchesFirst(true);
    QCOMPARE(rows(), (QStringList {u"Apples, raw"_s, u"Apple juice, canned"_s}));
    QCOMPARE(recomputed.count(), 1);
    QCOMPARE(m_current, -1);
    m_controller->setBestMatchesFirst(false);
    QCOMPARE(rows(), (QStringList {u"Apple juice, canned"_s, u"Apples, raw"_s}));
}

QTEST_MAIN(TestFoodList)
#include "tst_foodlist.moc"
