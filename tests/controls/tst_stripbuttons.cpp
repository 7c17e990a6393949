// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHoverButton.h"
#include "controls/CPNGButton.h"
#include "controls/EraseRequest.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The strip TESTSTRIP 1 is 32 x 8: frames of 10 x 8 in red, green and blue with a clear top
// row, and two yellow remainder columns that must never show.
const QRgb kFrameColour[] = {qRgb(200, 20, 20), qRgb(20, 200, 20), qRgb(20, 20, 200)};

QRgb centrePixel(QWidget &widget)
{
    const EraseRequest::SnapshotScope notAnErase;
    const QImage image = widget.grab().toImage();
    return image.pixel(image.width() / 2, image.height() / 2) | 0xFF000000u;
}

// A parent whose colour a test can change, to see what the hover button's snapshot keeps.
class ColourParent : public QWidget
{
public:
    QColor colour = Qt::darkCyan;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), colour); }
};

// A parent that does work on an erase, as the day strip does.
class ErasingParent : public QWidget
{
public:
    EraseRequest erase;
    int erases = 0;

protected:
    void showEvent(QShowEvent *) override { erase.request(); }
    void paintEvent(QPaintEvent *) override
    {
        if (erase.consume())
            ++erases;
        QPainter(this).fillRect(rect(), Qt::darkBlue);
    }
};

} // namespace

class TestStripButtons : public QObject
{
    Q_OBJECT

private slots:
    void sizesToOneFrame();
    void pngButtonFrames();
    void hoverButtonFrames();
    void doubleClicks();
    void tooltips();
    void hoverButtonKeepsItsSnapshot();
    void snapshotIsNotAnErase();
};

void TestStripButtons::sizesToOneFrame()
{
    CPNGButton button;
    button.move(7, 9);
    button.SetupButton(134, 1, "TESTSTRIP");
    QCOMPARE(button.size(), QSize(10, 8)); // the remainder columns are dropped
    QCOMPARE(button.pos(), QPoint(7, 9));

    CPNGButton food;
    food.SetupButton(134, 141, "BUTTONS"); // 105 x 16
    QCOMPARE(food.size(), QSize(35, 16));
}

void TestStripButtons::pngButtonFrames()
{
    QWidget window;
    window.resize(100, 100);
    auto *button = new CPNGButton(&window);
    button->SetupButton(134, 1, "TESTSTRIP");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(button->currentFrame(), StripButton::Frame::Normal);
    QCOMPARE(centrePixel(*button), kFrameColour[0]);

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(button->currentFrame(), StripButton::Frame::Hover);
    QCOMPARE(centrePixel(*button), kFrameColour[1]);

    button->setDown(true); // pressed wins over hover
    QCOMPARE(button->currentFrame(), StripButton::Frame::Pressed);
    QCOMPARE(centrePixel(*button), kFrameColour[2]);
    button->setDown(false);

    // Disabled: the pressed frame in red tones only, whatever the hover state.
    button->setEnabled(false);
    QCOMPARE(button->currentFrame(), StripButton::Frame::Disabled);
    QCOMPARE(centrePixel(*button), qRgb(200, 0, 0)); // blue frame: red 20 x 10, no green, no blue

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    button->setEnabled(true);
    QCOMPARE(button->currentFrame(), StripButton::Frame::Normal);
}

void TestStripButtons::hoverButtonFrames()
{
    QWidget window;
    window.resize(100, 100);
    auto *button = new CHoverButton(&window);
    button->SetupButton(143, 1, "TESTSTRIP");
    button->setEnabled(false); // as Add is at start
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Disabled: the normal frame washed out, every channel to 0.3 x value + 0.6.
    QCOMPARE(centrePixel(*button), qRgb(213, 159, 159));
    button->setEnabled(true);
    QCOMPARE(centrePixel(*button), kFrameColour[0]);
    button->setDown(true);
    QCOMPARE(centrePixel(*button), kFrameColour[2]);
}

void TestStripButtons::doubleClicks()
{
    QWidget window;
    auto *png = new CPNGButton(&window);
    png->SetupButton(134, 1, "TESTSTRIP");
    auto *hover = new CHoverButton(&window);
    hover->SetupButton(143, 1, "TESTSTRIP");
    hover->move(50, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy pngClicks(png, &QAbstractButton::clicked);
    QSignalSpy hoverClicks(hover, &QAbstractButton::clicked);
    // A double click as the window system sends it: press, release, double click, release.
    for (QWidget *button : {static_cast<QWidget *>(png), static_cast<QWidget *>(hover)}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
    }
    QCOMPARE(pngClicks.count(), 1); // the double click is not a click of its own
    QCOMPARE(hoverClicks.count(), 2); // the double click counts as a second click
}

void TestStripButtons::tooltips()
{
    CPNGButton close;
    close.SetupButton(133, 140, "BUTTONS");
    QCOMPARE(close.toolTip(), QStringLiteral("Close"));
    CHoverButton add;
    add.SetupButton(143, 155, "BUTTONS");
    QCOMPARE(add.toolTip(), QStringLiteral("Add"));
    CPNGButton unknown;
    unknown.SetupButton(999, 140, "BUTTONS");
    QVERIFY(unknown.toolTip().isEmpty());
    add.SetToolTipText(QStringLiteral("Later"), false);
    QVERIFY(add.toolTip().isEmpty());
}

void TestStripButtons::hoverButtonKeepsItsSnapshot()
{
    ColourParent parent;
    parent.resize(60, 40);
    auto *button = new CHoverButton(&parent);
    button->SetupButton(143, 1, "TESTSTRIP");
    button->move(20, 10);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_VERIFY(button->snapshotValid());

    // The strip's clear top row shows the snapshot of the parent.
    const auto topPixel = [&] {
        const EraseRequest::SnapshotScope notAnErase;
        return button->grab().toImage().pixel(5, 0) | 0xFF000000u;
    };
    QCOMPARE(topPixel(), QColor(Qt::darkCyan).rgb());

    parent.colour = Qt::magenta;
    parent.update();
    QTest::qWait(20);
    QVERIFY(button->snapshotValid()); // the parent's repaint does not renew it
    QCOMPARE(topPixel(), QColor(Qt::darkCyan).rgb());

    button->move(21, 10); // a move does
    QVERIFY(!button->snapshotValid());
    QTRY_VERIFY(button->snapshotValid());
    QCOMPARE(topPixel(), QColor(Qt::magenta).rgb());

    const bool snapshotBefore = button->snapshotValid();
    button->move(21, 10); // the same position again changes nothing
    QCOMPARE(button->snapshotValid(), snapshotBefore);
}

void TestStripButtons::snapshotIsNotAnErase()
{
    ErasingParent parent;
    parent.resize(60, 40);
    auto *button = new CHoverButton(&parent);
    button->SetupButton(143, 1, "TESTSTRIP");
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_VERIFY(button->snapshotValid());
    QCOMPARE(parent.erases, 1); // being shown

    // Fresh snapshots and hover changes render or repaint the parent, but never as an erase.
    button->SetupButton(143, 1, "TESTSTRIP");
    button->repaint();
    button->move(5, 5);
    button->repaint();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    button->repaint();
    QVERIFY(button->snapshotValid());
    QCOMPARE(parent.erases, 1);

    // A snapshot taken while the parent waits for its erase leaves the erase to the parent.
    parent.erase.request();
    {
        const EraseRequest::SnapshotScope notAnErase;
        QImage image(parent.size(), QImage::Format_ARGB32);
        parent.render(&image);
    }
    QVERIFY(parent.erase.pending());
    parent.repaint();
    QCOMPARE(parent.erases, 2);
}

QTEST_MAIN(TestStripButtons)
#include "tst_stripbuttons.moc"
