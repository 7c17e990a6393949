// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for keyboard and assistive-tool users: what the accessibility tree names and
// how it reads the painted lists, the whole Food page worked with keys alone, and the focus
// ring over an image button.
#include "Contrast.h"
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CTimCalentar.h"
#include "controls/CHoverButton.h"
#include "controls/CNoticeBar.h"
#include "food/PortionEntry.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

using namespace DialogLayout;

namespace {

// Depth first, not into lists: the food list alone has thousands of items.
QAccessibleInterface *findByName(QAccessibleInterface *root, const QString &name)
{
    if (root->text(QAccessible::Name) == name)
        return root;
    if (root->role() == QAccessible::List)
        return nullptr;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *child = root->child(i))
            if (QAccessibleInterface *found = findByName(child, name))
                return found;
    return nullptr;
}

QAccessibleInterface *itemNamed(QAccessibleInterface *list, const QString &name)
{
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->text(QAccessible::Name) == name)
            return list->child(i);
    return nullptr;
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), Qt::Key(key), modifiers);
}

} // namespace

class TestKeyboardAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void accessibilityTreeNamesControlsDaysAndRows();
    void wholeFoodPageFromTheKeyboard();
    // A new user's first food: best matches come first.
    void bananaFromTheKeyboard();
    void focusedImageButtonShowsARing();
    void focusedBoxStandsOutFromItsWhiteAndTheBlue();

private:
    std::vector<MealEntry> dayEntries(int day) const;

    MainWindowUnderTest m_window;
};

void TestKeyboardAccess::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestKeyboardAccess::init()
{
    QVERIFY(m_window.open(1));
    QVERIFY(m_window.dialog->foods().recordCount() > 8000);
    m_window.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.dialog.get()));
}

void TestKeyboardAccess::cleanup()
{
    m_window.close();
}

std::vector<MealEntry> TestKeyboardAccess::dayEntries(int day) const
{
    const auto bytes = FileIo::readAll(m_window.dayFile("db", day, 12, 2026, ".db"));
    return MealRecord::Decode(bytes.value_or(std::string())).entries;
}

void TestKeyboardAccess::accessibilityTreeNamesControlsDaysAndRows()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.dialog.get());
    QVERIFY(window);
    const struct
    {
        const char *name;
        QAccessible::Role role;
    } controls[] = {
        {"Search foods", QAccessible::EditableText},
        {"Amount", QAccessible::EditableText},
        {"Unit", QAccessible::ComboBox},
        {"Add", QAccessible::Button},
        {"Delete Selected", QAccessible::Button},
        {"Close", QAccessible::Button},
        {"Charts", QAccessible::Button},
        {"Foods", QAccessible::List},
        {"Meals of the day", QAccessible::List},
        {"Days", QAccessible::List},
    };
    for (const auto &control : controls) {
        QAccessibleInterface *found = findByName(window, QString::fromLatin1(control.name));
        QVERIFY2(found, control.name);
        QCOMPARE(found->role(), control.role);
    }

    // Days read as dates in the long format, with what the cell shows; the chosen one selected.
    QAccessibleInterface *days = findByName(window, QStringLiteral("Days"));
    QAccessibleInterface *monday = itemNamed(days, QStringLiteral("Monday, 7 December 2026"));
    QVERIFY(monday);
    QCOMPARE(monday->role(), QAccessible::ListItem);
    QVERIFY(!monday->state().selected);
    QAccessibleInterface *today =
        itemNamed(days, QStringLiteral("Saturday, 5 December 2026, today"));
    QVERIFY(today);
    QVERIFY(today->state().selected);
    QCOMPARE(itemNamed(days, QStringLiteral("Next month"))->role(), QAccessible::Button);

    // A meal row: "food, amount unit", checkable by its tick.
    auto *search = static_cast<QLineEdit *>(m_window.dialog->control(SearchBox));
    QTest::keyClicks(search, QStringLiteral("apple raw"));
    QAccessibleInterface *foods = findByName(window, QStringLiteral("Foods"));
    QAccessibleInterface *apple = itemNamed(foods, QStringLiteral("Apples, raw, with skin"));
    QVERIFY(apple);
    QCOMPARE(apple->role(), QAccessible::ListItem);
    m_window.dialog->SelectFood(foods->indexOfChild(apple));
    static_cast<QAbstractButton *>(m_window.dialog->control(AddButton))->click();
    QAccessibleInterface *meals = findByName(window, QStringLiteral("Meals of the day"));
    QCOMPARE(meals->role(), QAccessible::List);
    QAccessibleInterface *row = meals->child(0);
    // A medium apple of 182 g at 52 kcal per 100 g.
    QCOMPARE(row->text(QAccessible::Name),
             QStringLiteral("Apples, raw, with skin, 1.0 medium (3\" dia), 95 kcal"));
    QCOMPARE(row->role(), QAccessible::ListItem);
    QVERIFY(row->state().checkable);
    QVERIFY(!row->state().checked);
    row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(row->state().checked);
    QVERIFY(static_cast<CMealsList *>(m_window.dialog->control(MealList))->entries()[0].ticked);

    // The totals read as texts; the unit box keeps its name whatever unit it shows.
    QAccessibleInterface *panel = findByName(window, QStringLiteral("Nutrients of the day"));
    QCOMPARE(panel->child(0)->text(QAccessible::Name), QStringLiteral("Calories: 95"));
    QCOMPARE(panel->child(0)->role(), QAccessible::StaticText);
    QAccessibleInterface *unit = findByName(window, QStringLiteral("Unit"));
    QCOMPARE(unit->text(QAccessible::Value), QStringLiteral("medium (3\" dia)"));

    // The button of the page on show is the selected one.
    QVERIFY(findByName(window, QStringLiteral("Food"))->state().selected);
    QVERIFY(!findByName(window, QStringLiteral("Charts"))->state().selected);

    // The chart says what it shows; the notice bar is an alert that reads its message.
    QAccessibleInterface *chart =
        findByName(window, QStringLiteral("Weight and calories of the days on the strip"));
    QVERIFY(chart);
    QCOMPARE(chart->role(), QAccessible::Chart);
    QVERIFY(chart->text(QAccessible::Description).startsWith(QStringLiteral("No weight")));
    m_window.dialog->noticeBar()->showNotice(QStringLiteral("k"), QStringLiteral("Not saved"));
    QAccessibleInterface *notice = findByName(window, QStringLiteral("Not saved"));
    QVERIFY(notice);
    QCOMPARE(notice->role(), QAccessible::AlertMessage);
}

void TestKeyboardAccess::wholeFoodPageFromTheKeyboard()
{
    CCorvaloDlg &dialog = *m_window.dialog;
    QCOMPARE(focused(), dialog.dayStrip());

    // The next day, picked again with Enter.
    // The strip's selection moves at once; the day's list follows its next paint.
    press(Qt::Key_Right);
    QCOMPARE(dialog.selectedDay().day, 6);
    auto *meals = static_cast<CMealsList *>(dialog.control(MealList));
    QTRY_COMPARE(meals->day().day, 6);
    press(Qt::Key_Return);
    QCOMPARE(dialog.selectedDay().day, 6);

    // Past the strip's arrows to the search box; type, then into the food list.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.dayStrip()->prevButton());
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.dayStrip()->nextButton());
    press(Qt::Key_Tab);
    QCOMPARE(focused()->accessibleName(), QStringLiteral("New food"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(SearchBox));
    QTest::keyClicks(focused(), QStringLiteral("apple raw"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(FoodList));
    press(Qt::Key_Down); // the first food
    QVERIFY(dialog.portionEntry()->hasCurrentFood());
    const QString food =
        QString::fromStdString(std::string(dialog.portionEntry()->currentFood().name()));

    // The second unit, an amount of 2, Enter adds twice, Space on Add once more.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(UnitBox));
    press(Qt::Key_Down);
    const QString unit = static_cast<QComboBox *>(dialog.control(UnitBox))->itemText(1);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(AmountBox));
    QTest::keyClicks(focused(), QStringLiteral("2"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(AddButton));
    press(Qt::Key_Space);
    std::vector<MealEntry> entries = dayEntries(6);
    QCOMPARE(entries.size(), std::size_t(3));
    QCOMPARE(QString::fromStdString(entries[0].name), food);
    QCOMPARE(QString::fromStdString(entries[0].unit), unit);
    QCOMPARE(entries[2].amount, 2.0f);

    // In the day's list: the second row's amount becomes 5; F2 opens, Enter keeps.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), meals);
    // Entering the list chooses the row the keys work on, where a reader's focus is too.
    QCOMPARE(meals->currentRow(), 0);
    QVERIFY(meals->selectionModel()->isRowSelected(0, {}));
    QVERIFY(QAccessible::queryAccessibleInterface(meals)
                ->focusChild()
                ->text(QAccessible::Name)
                .startsWith(food + QStringLiteral(", 2.0 ") + unit));
    press(Qt::Key_Home);
    press(Qt::Key_Down);
    press(Qt::Key_F2);
    QCOMPARE(focused(), meals->amountEditor());
    QTest::keyClicks(focused(), QStringLiteral("5"));
    press(Qt::Key_Return);
    QCOMPARE(focused(), meals);
    QCOMPARE(meals->currentRow(), 1);
    QCOMPARE(dayEntries(6)[1].amount, 5.0f);
    // Escape drops an edit.
    press(Qt::Key_Enter);
    QTest::keyClicks(focused(), QStringLiteral("9"));
    press(Qt::Key_Escape);
    QCOMPARE(focused(), meals);
    QVERIFY(dialog.isVisible());

    // Tick the first and the last row, untick the last; Delete Selected removes the first.
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    press(Qt::Key_End);
    press(Qt::Key_Space);
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(DeleteSelectedButton));
    press(Qt::Key_Space);
    entries = dayEntries(6);
    QCOMPARE(entries.size(), std::size_t(2));
    QCOMPARE(entries[0].amount, 5.0f);
    QCOMPARE(entries[1].amount, 2.0f);

    press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(ClearListButton));
    // Then the list's order, switched with Space, and Quick Add.
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("searchOrderButton"));
    QVERIFY(static_cast<QAbstractButton *>(focused())->isChecked());
    press(Qt::Key_Space);
    QVERIFY(!static_cast<QAbstractButton *>(focused())->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(focused()->accessibleName(), QStringLiteral("Quick add"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    QVERIFY(dayEntries(6).empty());
    QVERIFY(dayEntries(5).empty());
}

void TestKeyboardAccess::bananaFromTheKeyboard()
{
    CCorvaloDlg &dialog = *m_window.dialog;
    // Past the strip's arrows and + New.
    for (int i = 0; i < 6 && focused() != dialog.control(SearchBox); ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), dialog.control(SearchBox));
    QTest::keyClicks(focused(), QStringLiteral("banana"));

    // The food a screen reader announces is the list's focused item: the one selected.
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    QAccessibleInterface *foods = QAccessible::queryAccessibleInterface(dialog.control(FoodList));
    QAccessibleInterface *announced = foods->focusChild();
    QVERIFY(announced);
    QCOMPARE(announced->text(QAccessible::Name), QStringLiteral("Bananas, raw"));
    QVERIFY(announced->state().selected);
    QCOMPARE(foods->indexOfChild(announced),
             static_cast<QAbstractItemView *>(dialog.control(FoodList))->currentIndex().row());

    for (const int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
        press(key);
    const std::vector<MealEntry> entries = dayEntries(5);
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries[0].name, std::string("Bananas, raw"));
}

void TestKeyboardAccess::focusedImageButtonShowsARing()
{
    // From the day strip, Tab goes to the arrow button at its left end.
    QWidget *arrow = m_window.dialog->dayStrip()->prevButton();
    const QImage unfocused = arrow->grab().toImage();
    press(Qt::Key_Tab);
    QCOMPARE(focused(), arrow);
    const QImage focusedLook = arrow->grab().toImage();
    QVERIFY(focusedLook != unfocused);
    // Pale yellow on the edge, where the image alone has none.
    QCOMPARE(focusedLook.pixelColor(focusedLook.width() / 2, 1), QColor(0xFF, 0xF5, 0xB3));
    QVERIFY(unfocused.pixelColor(unfocused.width() / 2, 1) != QColor(0xFF, 0xF5, 0xB3));
}

void TestKeyboardAccess::focusedBoxStandsOutFromItsWhiteAndTheBlue()
{
    // WCAG 2.2 focus appearance: each line of the focus edge 3:1 or more from what it touches,
    // on the left edge of a text box and of the unit box, halfway down.
    for (const int id : {int(SearchBox), int(UnitBox)}) {
        QWidget *box = m_window.dialog->control(id);
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        const QImage window = m_window.dialog->grab().toImage();
        const QPoint left = box->mapTo(m_window.dialog.get(), QPoint(0, box->height() / 2));
        const QColor outside = window.pixelColor(left - QPoint(1, 0));
        const QColor ring = window.pixelColor(left);
        const QColor line = window.pixelColor(left + QPoint(2, 0));
        const QColor inside = window.pixelColor(left + QPoint(3, 0));
        QCOMPARE(inside, QColor(Qt::white));
        QVERIFY2(Contrast::ratio(ring, outside) >= 3.0, qPrintable(outside.name()));
        QVERIFY2(Contrast::ratio(line, ring) >= 3.0, qPrintable(line.name()));
        QVERIFY2(Contrast::ratio(line, inside) >= 3.0, qPrintable(line.name()));
    }
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboardaccess.moc"
