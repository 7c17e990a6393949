// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/DialogLayout.h"
#include "meals/CElements.h"
#include "platform/Resources.h"

#include <QtTest>

class TestElements : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyDay();
    void totalsAndPreviews();
    void pressesGoToTheWindow();
    void paintsItsSliceOfTheBackground();

private:
    QWidget *m_window = nullptr;
    CElements *m_panel = nullptr;
};

void TestElements::init()
{
    m_window = new QWidget;
    m_window->setFixedSize(DialogLayout::WindowWidth, DialogLayout::WindowHeight);
    m_panel = new CElements(m_window);
    const auto r = DialogLayout::pixelRect(DialogLayout::NutrientPanel);
    m_panel->setGeometry(r.x, r.y, r.width, r.height);
}

void TestElements::cleanup()
{
    delete m_window;
}

void TestElements::emptyDay()
{
    QCOMPARE(m_panel->previewMode(), CElements::PreviewNone);
    for (int k = 0; k < Nutrient::Count; ++k) {
        QCOMPARE(m_panel->totalText(k), QStringLiteral("-"));
        QCOMPARE(m_panel->previewText(k), QString());
    }
}

void TestElements::totalsAndPreviews()
{
    Nutrients totals {};
    totals[Nutrient::Calories] = 850.4f;
    totals[Nutrient::Fat] = 9.0f;
    totals[Nutrient::Protein] = 9.5f;
    totals[Nutrient::Fiber] = 0.04f;
    totals[Nutrient::Sugars] = -2.0f;
    m_panel->SetTotals(totals);
    QCOMPARE(m_panel->totalText(Nutrient::Calories), QStringLiteral("850 "));
    QCOMPARE(m_panel->totalText(Nutrient::Fat), QStringLiteral("9.0 g"));
    QCOMPARE(m_panel->totalText(Nutrient::Protein), QStringLiteral("10 g"));
    QCOMPARE(m_panel->totalText(Nutrient::Fiber), QStringLiteral("0.0 g"));
    QCOMPARE(m_panel->totalText(Nutrient::Sugars), QStringLiteral("-"));

    Nutrients add {};
    add[Nutrient::Calories] = 250.0f;
    add[Nutrient::Fat] = 3.27f;
    m_panel->SetAddPreview(add);
    QCOMPARE(m_panel->previewMode(), CElements::PreviewAdd);
    QCOMPARE(m_panel->previewText(Nutrient::Calories), QStringLiteral("+250"));
    QCOMPARE(m_panel->previewText(Nutrient::Fat), QStringLiteral("+3.3"));
    QCOMPARE(m_panel->previewText(Nutrient::Protein), QString());

    Nutrients remove {};
    remove[Nutrient::Calories] = 78.0f;
    m_panel->SetRemovePreview(remove);
    QCOMPARE(m_panel->previewMode(), CElements::PreviewRemove);
    QCOMPARE(m_panel->previewText(Nutrient::Calories), QStringLiteral("-78"));
    QCOMPARE(m_panel->previewText(Nutrient::Fat), QString());

    m_panel->EndPreview();
    QCOMPARE(m_panel->previewMode(), CElements::PreviewNone);
    QCOMPARE(m_panel->previewText(Nutrient::Calories), QString());
    QCOMPARE(m_panel->totalText(Nutrient::Calories), QStringLiteral("850 "));

    // A new day's totals end whatever preview was showing.
    m_panel->SetAddPreview(add);
    m_panel->SetTotals(Nutrients {});
    QCOMPARE(m_panel->previewMode(), CElements::PreviewNone);
    QCOMPARE(m_panel->totalText(Nutrient::Calories), QStringLiteral("-"));
}

void TestElements::pressesGoToTheWindow()
{
    const QPoint centre = m_panel->geometry().center();
    QCOMPARE(m_window->childAt(centre), nullptr);
    QCOMPARE(m_panel->focusPolicy(), Qt::NoFocus);
}

void TestElements::paintsItsSliceOfTheBackground()
{
    const QImage background = QImage::fromData(Resources::bytes("LAYOUT", 129));
    QVERIFY(!background.isNull());
    const QImage empty = m_panel->grab().toImage();
    QCOMPARE(empty.size(), QSize(153, 332));

    // Ten rows of 33 pixels leave the bottom two lines to the background alone.
    const QPoint origin = m_panel->pos();
    for (int x : {0, 70, 152})
        QCOMPARE(empty.pixel(x, 331), background.pixel(origin + QPoint(x, 331)));

    Nutrients totals {};
    totals[Nutrient::Calories] = 1850.0f;
    m_panel->SetTotals(totals);
    const QImage withTotal = m_panel->grab().toImage();
    // The calorie total is centred on x = 153 * 0.5 - 10 in the top row, below the label.
    const QRect totalArea(20, 14, 90, 18);
    QVERIFY(empty.copy(totalArea) != withTotal.copy(totalArea));
    QCOMPARE(empty.copy(0, 33, 153, 299), withTotal.copy(0, 33, 153, 299));
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
