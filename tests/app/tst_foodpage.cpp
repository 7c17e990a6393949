// SPDX-License-Identifier: GPL-3.0-or-later
// A day on the Food page, driven through the real main window: find a food, choose a unit and an
// amount, preview it, add it, edit it in place, tick and delete, clear.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "app/SettingsPage.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "controls/CNoticeBar.h"
#include "food/FoodListView.h"
#include "food/PortionEntry.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

using namespace DialogLayout;

namespace {

template<typename T> T *controlAs(const CCorvaloDlg &dialog, int id)
{
    return static_cast<T *>(dialog.control(id));
}

float floatAt(const std::string &bytes, std::size_t offset)
{
    float value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

} // namespace

class TestFoodPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void findPreviewAndAdd();
    void amountsAsTyped_data();
    void amountsAsTyped();
    void onlyAmountsAboveZeroAreAdded();
    void unitsOfAFoodWithManyUnits();
    void editTickDeleteAndClear();
    void filteringAgainClearsTheCurrentFood();
    void searchTypedBeforeTheDatabaseIsReady();
    void bestMatchesFirstFromTheSettings();
    void ownFoodsJoinTheList();

private:
    void search(const QString &text);
    void chooseFood(const QString &name);
    void addPortion(const QString &amount, const QString &unit);
    std::vector<MealEntry> dayEntries() const;
    std::string dayBytes() const;

    MainWindowUnderTest m_window;
};

void TestFoodPage::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestFoodPage::init()
{
    QVERIFY(m_window.open(1));
    QVERIFY(m_window.dialog->foods().recordCount() > 8000);
}

void TestFoodPage::cleanup()
{
    m_window.close();
}

void TestFoodPage::search(const QString &text)
{
    auto *box = controlAs<QLineEdit>(*m_window.dialog, SearchBox);
    box->clear();
    QTest::keyClicks(box, text);
}

void TestFoodPage::chooseFood(const QString &name)
{
    auto *list = controlAs<FoodListView>(*m_window.dialog, FoodList);
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString() == name) {
            list->scrollTo(index);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(index).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row %1").arg(name)));
}

void TestFoodPage::addPortion(const QString &amount, const QString &unit)
{
    auto *units = controlAs<QComboBox>(*m_window.dialog, UnitBox);
    units->setCurrentIndex(units->findText(unit));
    auto *amountBox = controlAs<QLineEdit>(*m_window.dialog, AmountBox);
    amountBox->selectAll();
    QTest::keyClicks(amountBox, amount);
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
}

std::string TestFoodPage::dayBytes() const
{
    return FileIo::readAll(m_window.dialog->dayStrip()->SelectedDataPath(".db"))
        .value_or(std::string());
}

std::vector<MealEntry> TestFoodPage::dayEntries() const
{
    return MealRecord::Decode(dayBytes()).entries;
}

void TestFoodPage::findPreviewAndAdd()
{
    auto *panel = controlAs<CElements>(*m_window.dialog, NutrientPanel);
    auto *units = controlAs<QComboBox>(*m_window.dialog, UnitBox);
    auto *amountBox = controlAs<QLineEdit>(*m_window.dialog, AmountBox);
    QVERIFY(!m_window.dialog->control(AddButton)->isEnabled());

    search(QStringLiteral("apple raw"));
    chooseFood(QStringLiteral("Apples, raw, with skin"));
    QVERIFY(m_window.dialog->control(AddButton)->isEnabled());
    QCOMPARE(amountBox->text(), QStringLiteral("1.0"));
    QCOMPARE(units->count(), 9); // seven own units, then the weight pair
    QCOMPARE(units->itemText(0), QStringLiteral("medium (3\" dia)")); // one apple first
    QCOMPARE(units->itemText(7), QStringLiteral("oz"));
    QCOMPARE(units->itemText(8), QStringLiteral("g"));
    QCOMPARE(units->currentIndex(), 0);
    // One apple of 182 g at 52 kcal per 100 g.
    QCOMPARE(panel->previewMode(), CElements::PreviewAdd);
    QCOMPARE(panel->previewText(0), QStringLiteral("+95"));

    units->setCurrentIndex(units->findText(QStringLiteral("g")));
    amountBox->selectAll();
    QTest::keyClicks(amountBox, QStringLiteral("150"));
    QCOMPARE(panel->previewText(0), QStringLiteral("+78"));
    QCOMPARE(panel->previewText(3), QStringLiteral("+0.4")); // protein 0.26 g per 100 g
    QCOMPARE(panel->totalText(0), QStringLiteral("-"));

    // Add twice, then double-click Add: two more entries.
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    QCOMPARE(panel->previewMode(), CElements::PreviewNone); // the reload ends the preview
    QCOMPARE(panel->totalText(0), QStringLiteral("78 "));
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    // A double click as the window system sends it: press, release, double click, release.
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    QTest::mouseDClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    QTest::mouseRelease(m_window.dialog->control(AddButton), Qt::LeftButton);

    const std::string bytes = dayBytes();
    const std::size_t recordLength = std::strlen("Apples, raw, with skin") + 1 + 50;
    QCOMPARE(bytes.size(), 4 * recordLength);
    std::string plain = bytes;
    MealRecord::ScrambleBytes(plain.data(), plain.size());
    QCOMPARE(plain.substr(0, 23), std::string("Apples, raw, with skin\0", 23));
    QCOMPARE(floatAt(plain, 23), 0.52f); // calories per gram, not multiplied
    QCOMPARE(floatAt(plain, 23 + 40), 1.0f); // grams per unit of "g"
    QCOMPARE(floatAt(plain, 23 + 44), 150.0f); // amount
    QCOMPARE(plain.substr(23 + 48, 2), std::string("g\0", 2));
    QCOMPARE(plain.substr(recordLength, recordLength), plain.substr(0, recordLength));

    const auto *meals = controlAs<CMealsList>(*m_window.dialog, MealList);
    QCOMPARE(meals->entries().size(), std::size_t(4));
    QCOMPARE(meals->count(), 4);
    QCOMPARE(panel->totalText(0), QStringLiteral("312 "));
    // Amount, unit and current food stay for the next Add.
    QCOMPARE(amountBox->text(), QStringLiteral("150"));
    QCOMPARE(units->currentText(), QStringLiteral("g"));
    QVERIFY(m_window.dialog->portionEntry()->hasCurrentFood());
}

void TestFoodPage::amountsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("stored");
    // The reading rules are TypedNumber's (tst_quickadd); here only that the box uses
    // it, with a full stop whatever the locale.
    QTest::newRow("point") << QStringLiteral("2.5") << 2.5f;
    QTest::newRow("decimal comma") << QStringLiteral("72,5") << 72.5f;
}

void TestFoodPage::amountsAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(float, stored);
    search(QStringLiteral("banana raw"));
    chooseFood(QStringLiteral("Bananas, raw"));
    auto *amountBox = controlAs<QLineEdit>(*m_window.dialog, AmountBox);
    amountBox->clear();
    QTest::keyClicks(amountBox, typed);
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);

    const auto entries = dayEntries();
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries[0].amount, stored);
    QCOMPARE(entries[0].name, std::string("Bananas, raw"));
}

void TestFoodPage::onlyAmountsAboveZeroAreAdded()
{
    search(QStringLiteral("banana raw"));
    chooseFood(QStringLiteral("Bananas, raw"));
    auto *amountBox = controlAs<QLineEdit>(*m_window.dialog, AmountBox);
    QWidget *add = m_window.dialog->control(AddButton);
    const QString tiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QLatin1Char('1');
    for (const QString &typed : {QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("abc"),
                                 QString(), tiny, QStringLiteral("1e999")}) {
        amountBox->setText(typed);
        QVERIFY2(!add->isEnabled(), qPrintable(typed));
        QTest::mouseClick(add, Qt::LeftButton);
    }
    QVERIFY(dayEntries().empty());
    amountBox->setText(QStringLiteral("0.5"));
    QVERIFY(add->isEnabled());
}

void TestFoodPage::unitsOfAFoodWithManyUnits()
{
    // Eleven stored units: the first ten are read, then the weight pair.
    search(QStringLiteral("cantaloupe raw"));
    chooseFood(QStringLiteral("Melons, cantaloupe, raw"));
    auto *units = controlAs<QComboBox>(*m_window.dialog, UnitBox);
    QCOMPARE(units->count(), 12);
    QCOMPARE(units->itemText(10), QStringLiteral("oz"));
    QCOMPARE(units->itemText(11), QStringLiteral("g"));

    // "oz" with amount 2 is 2 x 28.4 g.
    units->setCurrentIndex(10);
    auto *amountBox = controlAs<QLineEdit>(*m_window.dialog, AmountBox);
    amountBox->setText(QStringLiteral("2"));
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    const auto entries = dayEntries();
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries[0].unit, std::string("oz"));
    QCOMPARE(entries[0].gramsPerUnit, 28.4f);
    QCOMPARE(entries[0].amount, 2.0f);
}

void TestFoodPage::editTickDeleteAndClear()
{
    search(QStringLiteral("banana raw"));
    chooseFood(QStringLiteral("Bananas, raw"));
    for (const char *amount : {"1", "2", "3", "4", "5"})
        addPortion(QString::fromLatin1(amount), QStringLiteral("g"));
    auto *meals = controlAs<CMealsList>(*m_window.dialog, MealList);
    QCOMPARE(meals->entries().size(), std::size_t(5));
    const std::string before = dayBytes();

    // Edit the second amount in place: only its record changes.
    const MealRowLayout &layout = meals->rowLayout();
    const int cellX = layout.amountCentreX();
    meals->scrollToTop();
    QTest::mouseClick(meals->viewport(), Qt::LeftButton, {}, QPoint(cellX, 24 + 12));
    QCOMPARE(meals->editRow(), 1);
    QLineEdit *editor = meals->amountEditor();
    QCOMPARE(editor->text(), QStringLiteral("2.0"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("2.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(meals->editRow(), -1);
    const std::string after = dayBytes();
    QCOMPARE(after.size(), before.size());
    const std::size_t record = before.size() / 5;
    for (int i = 0; i < 5; ++i)
        QCOMPARE(after.substr(i * record, record) == before.substr(i * record, record), i != 1);
    QCOMPARE(dayEntries()[1].amount, 2.5f);

    // Tick the second and fourth rows and delete them.
    meals->scrollToTop();
    QTest::mouseClick(meals->viewport(), Qt::LeftButton, {}, QPoint(10, 24 + 12));
    QTest::mouseClick(meals->viewport(), Qt::LeftButton, {}, QPoint(10, 3 * 24 + 12));
    QTest::mouseClick(m_window.dialog->control(DeleteSelectedButton), Qt::LeftButton);
    std::vector<float> left;
    for (const MealEntry &entry : dayEntries())
        left.push_back(entry.amount);
    QCOMPARE(left, (std::vector<float> {1, 3, 5}));
    QCOMPARE(meals->count(), 3);

    // Clear: the day has no file any more.
    QTest::mouseClick(m_window.dialog->control(ClearListButton), Qt::LeftButton);
    QVERIFY(!FileIo::regularFileSize(m_window.dialog->dayStrip()->SelectedDataPath(".db")));
    QCOMPARE(meals->count(), 0);
    QCOMPARE(controlAs<CElements>(*m_window.dialog, NutrientPanel)->totalText(0),
             QStringLiteral("-"));
}

void TestFoodPage::filteringAgainClearsTheCurrentFood()
{
    search(QStringLiteral("apple raw"));
    chooseFood(QStringLiteral("Apples, raw, with skin"));
    QVERIFY(m_window.dialog->portionEntry()->hasCurrentFood());

    auto *box = controlAs<QLineEdit>(*m_window.dialog, SearchBox);
    QTest::keyClick(box, Qt::Key_Space); // a space alone does not filter anew
    QVERIFY(m_window.dialog->portionEntry()->hasCurrentFood());
    QTest::keyClick(box, Qt::Key_Backspace); // a deletion does
    QVERIFY(!m_window.dialog->portionEntry()->hasCurrentFood());
    QVERIFY(!m_window.dialog->control(AddButton)->isEnabled());
}

// The database loads while the window comes up: an empty list until then, all foods once it is
// there, and a search typed before that filters the whole database and stays filtered.
void TestFoodPage::searchTypedBeforeTheDatabaseIsReady()
{
    CCorvaloDlg idle;
    const QAbstractItemModel *allFoods = controlAs<FoodListView>(idle, FoodList)->model();
    QCOMPARE(allFoods->rowCount(), 0); // no event handled yet: nothing handed over
    QTRY_VERIFY(allFoods->rowCount() > 8000);

    AppSettings::writeBestMatchesFirst(false); // A to Z: the rows below in database order
    CCorvaloDlg early;
    QTest::keyClicks(controlAs<QLineEdit>(early, SearchBox), QStringLiteral("apple raw"));
    const QAbstractItemModel *model = controlAs<FoodListView>(early, FoodList)->model();
    // The four foods of the table whose name has words starting "apple" and "raw".
    const auto checkRows = [&] {
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Apples, raw, with skin"));
        QCOMPARE(model->index(3, 0).data().toString(),
                 QStringLiteral("Apples, raw, without skin, cooked, microwave"));
    };
    checkRows();
    QTest::qWait(200); // the worker's late notice must not reset the list
    checkRows();
}

void TestFoodPage::bestMatchesFirstFromTheSettings()
{
    const QString egg = QStringLiteral("Egg, whole, raw, fresh");
    const auto firstRows = [this] {
        const QAbstractItemModel *model =
            controlAs<FoodListView>(*m_window.dialog, FoodList)->model();
        QStringList names;
        for (int row = 0; row < std::min(8, model->rowCount()); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    };
    search(QStringLiteral("eggs")); // on unless set: "eggs" finds "Egg"
    QVERIFY(firstRows().contains(egg));
    // A typo: the food meant first, said to be a close match and set apart.
    search(QStringLiteral("bananna"));
    const QModelIndex first =
        controlAs<FoodListView>(*m_window.dialog, FoodList)->model()->index(0, 0);
    QCOMPARE(first.data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Bananas, raw (close match)"));
    QVERIFY(first.data(Qt::FontRole).value<QFont>().italic());
    search(QStringLiteral("eggs"));

    // A to Z chosen beside the search box: the Settings page follows, and the next start
    // keeps it.
    auto *order =
        m_window.dialog->findChild<QAbstractButton *>(QStringLiteral("searchOrderButton"));
    QVERIFY(order && order->isVisible() && order->isChecked());
    QTest::mouseClick(order, Qt::LeftButton);
    QVERIFY(!firstRows().contains(egg));
    m_window.dialog->SwitchPage(PageTable::Settings);
    auto *settings = m_window.dialog->findChild<SettingsPage *>();
    QVERIFY(settings && !settings->bestMatchesBox()->isChecked());
    QVERIFY(!order->isVisible());

    m_window.dialog = std::make_unique<CCorvaloDlg>();
    m_window.dialog->show();
    search(QStringLiteral("eggs"));
    QVERIFY(!firstRows().contains(egg));
}

void TestFoodPage::ownFoodsJoinTheList()
{
    m_window.close();
    QVERIFY(m_window.open(1, [](const std::filesystem::path &folder) {
        QVERIFY(FileIo::writeAtomically(folder / "myfoods.tsv",
                                        "Apples, my own\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-"
                                        "\t150 piece\nBroken\tg\t1\n")
                    .ok());
    }));
    QVERIFY(m_window.dialog->foods().recordCount() > 8000);
    QCOMPARE(m_window.dialog->noticeBar()->text(),
             QStringLiteral("Skipped line 2 of myfoods.tsv: it has 3 fields, not 12 or more"));

    search(QStringLiteral("apples my"));
    chooseFood(QStringLiteral("Apples, my own"));
    QCOMPARE(controlAs<QComboBox>(*m_window.dialog, UnitBox)->itemText(0), QStringLiteral("piece"));
    addPortion(QStringLiteral("2"), QStringLiteral("piece"));
    QCOMPARE(dayEntries().size(), std::size_t(1));
    QCOMPARE(dayEntries()[0].contribution(Nutrient::Calories), 150.0f); // 2 x 150 g, 0.5 kcal/g
}

QTEST_MAIN(TestFoodPage)
#include "tst_foodpage.moc"
