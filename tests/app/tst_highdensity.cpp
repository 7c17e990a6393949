// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a screen of two device pixels per pixel: the skin shows its 2x painting
// pixel for pixel, and every control keeps its place and size.
#include "MainWindowUnderTest.h"
#include "controls/EraseRequest.h"
#include "controls/ResourceImage.h"
#include "layout/DialogLayout.h"

#include <QApplication>
#include <QtTest>

using namespace DialogLayout;

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void skinIsPaintedForTheScreen();
};

void TestHighDensity::skinIsPaintedForTheScreen()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const ResourceImage strip(142, "BUTTONS");
    QCOMPARE(strip.image().size(), QSize(264, 32));
    QCOMPARE(strip.image().devicePixelRatio(), 2.0);
    QCOMPARE(QSize(strip.width(), strip.height()), QSize(132, 16));

    MainWindowUnderTest window;
    QVERIFY(window.open(1));
    CCorvaloDlg &dialog = *window.dialog;
    QCOMPARE(dialog.size(), QSize(640, 480));
    const std::pair<ControlId, QRect> places[] = {
        {CloseButton, {618, 0, 22, 23}},       {FoodButton, {425, 20, 35, 16}},
        {ChartsButton, {458, 20, 44, 16}},     {DiaryButton, {501, 20, 40, 16}},
        {CommunityButton, {543, 20, 70, 16}},  {DayStrip, {0, 44, 638, 54}},
        {AddButton, {503, 306, 126, 29}},      {DeleteSelectedButton, {281, 463, 92, 16}},
        {ClearListButton, {420, 463, 62, 16}},
    };
    for (const auto &[id, place] : places)
        QCOMPARE(dialog.control(id)->geometry(), place);

    // The Charts button's normal frame, wherever it is opaque, shows the 2x painting unchanged:
    // a 1x frame blown up cannot match its text and edges.
    const EraseRequest::SnapshotScope notAnErase;
    const QImage shown = dialog.grab().toImage();
    QCOMPARE(shown.size(), QSize(1280, 960));
    const QImage painted(QStringLiteral(":/BUTTONS/142@2x"));
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 88; ++x) {
            const QRgb pixel = painted.pixel(x, y);
            if (qAlpha(pixel) < 255)
                continue;
            ++compared;
            differing += shown.pixel(2 * 458 + x, 2 * 20 + y) != pixel;
        }
    }
    QVERIFY2(compared > 1500, qPrintable(QString::number(compared)));
    QCOMPARE(differing, 0);
}

int main(int argc, char *argv[])
{
    // Before the application exists: it reads the screens' scale once.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
