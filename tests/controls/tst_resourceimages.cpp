// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ResourceImage.h"
#include "layout/DialogLayout.h"

#include <QtTest>

class TestResourceImages : public QObject
{
    Q_OBJECT

private slots:
    void everySkinImageAtItsSize_data();
    void everySkinImageAtItsSize();
    void loadFailuresLeaveAnEmptyObject();
    void pageButtonsLookApartAndSmooth();
};

void TestResourceImages::everySkinImageAtItsSize_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");

    const struct
    {
        const char *type;
        int id;
        int width;
        int height;
        bool alpha;
    } inventory[] = {
        {"LAYOUT", 129, 640, 480, true},  {"LAYOUT", 135, 24, 22, true},
        {"LAYOUT", 136, 24, 22, true},    {"LAYOUT", 154, 640, 480, true},
        {"LAYOUT", 157, 324, 190, false}, {"ZNA4KI", 134, 34, 54, true},
        {"ZNA4KI", 151, 16, 16, true},    {"ZNA4KI", 152, 20, 18, true},
        {"ZNA4KI", 153, 17, 14, true},    {"BUTTONS", 130, 51, 24, true},
        {"BUTTONS", 132, 51, 24, true},   {"BUTTONS", 140, 66, 23, true},
        {"BUTTONS", 141, 105, 16, true},  {"BUTTONS", 142, 132, 16, true},
        {"BUTTONS", 143, 120, 16, true},  {"BUTTONS", 144, 192, 16, true},
        {"BUTTONS", 145, 165, 16, true},  {"BUTTONS", 146, 276, 16, true},
        {"BUTTONS", 147, 186, 16, true},  {"BUTTONS", 148, 210, 16, true},
        {"BUTTONS", 155, 378, 29, true},  {"BUTTONS", 158, 300, 23, true},
        {"BUTTONS", 159, 810, 25, true},  {"ICON", 128, 64, 64, true},
        {"STYLE", 1, 10, 7, true},
    };
    for (const auto &entry : inventory) {
        QTest::addRow("%s %d", entry.type, entry.id)
            << QByteArray(entry.type) << entry.id << QSize(entry.width, entry.height)
            << entry.alpha;
    }
}

void TestResourceImages::everySkinImageAtItsSize()
{
    QFETCH(QByteArray, type);
    QFETCH(int, id);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);

    ResourceImage image;
    QVERIFY(image.Load(id, type.constData()));
    QCOMPARE(image.image().size(), size);
    QCOMPARE(image.image().hasAlphaChannel(), alpha);

    // High-density screens take the 2x painting, which all but the window icon have.
    const QImage twice(QStringLiteral(":/%1/%2@2x").arg(QLatin1String(type)).arg(id));
    QCOMPARE(twice.size(), type == "ICON" ? QSize(0, 0) : size * 2);
}

void TestResourceImages::loadFailuresLeaveAnEmptyObject()
{
    ResourceImage image;
    QVERIFY(image.isNull());

    QVERIFY(!image.Load(999, "LAYOUT")); // missing id
    QVERIFY(image.isNull());
    QVERIFY(!image.Load(129, "NOSUCHTYPE")); // missing type
    QVERIFY(image.isNull());

    // An empty object can be loaded again; a second load replaces the first image.
    QVERIFY(image.Load(135, "LAYOUT"));
    QCOMPARE(image.image().size(), QSize(24, 22));
    QVERIFY(image.Load(129, "LAYOUT"));
    QCOMPARE(image.image().size(), QSize(640, 480));

    // Bytes that are no picture: the load fails and nothing of the old image is kept.
    QVERIFY(!image.Load(1, "BROKEN"));
    QVERIFY(image.isNull());
    QCOMPARE(image.width(), 0);
}

namespace {

// The columns of one frame, in window pixels, where the strip paints anything.
QPair<int, int> paintedColumns(const QImage &strip, int frame, int windowX)
{
    const int width = strip.width() / 3;
    int first = -1;
    int last = -1;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < strip.height(); ++y) {
            if (qAlpha(strip.pixel(frame * width + x, y)) > 0) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {windowX + first, windowX + last};
}

} // namespace

void TestResourceImages::pageButtonsLookApartAndSmooth()
{
    // Placed by the template and sized by their frames, the page buttons overlap by a pixel or
    // two; their faces must not.
    const struct
    {
        DialogLayout::ControlId id;
        int strip;
    } row[] = {{DialogLayout::FoodButton, 141},
               {DialogLayout::ChartsButton, 142},
               {DialogLayout::DiaryButton, 143},
               {DialogLayout::CommunityButton, 148}};
    for (std::size_t i = 0; i + 1 < std::size(row); ++i) {
        const ResourceImage left(row[i].strip, "BUTTONS");
        const ResourceImage right(row[i + 1].strip, "BUTTONS");
        for (int frame = 0; frame < 3; ++frame) {
            const int leftEnd =
                paintedColumns(left.image(), frame, DialogLayout::pixelRect(row[i].id).x).second;
            const int rightStart =
                paintedColumns(right.image(), frame, DialogLayout::pixelRect(row[i + 1].id).x)
                    .first;
            QVERIFY2(rightStart - leftEnd > 2, qPrintable(QString::number(row[i].strip)));
        }
    }

    // The disabled look multiplies red by ten: a red channel above 25 in the pressed frame
    // would clip, and the current page's caption would lose its smooth edges.
    for (int id = 140; id <= 148; ++id) {
        const QImage strip = ResourceImage(id, "BUTTONS").image();
        const int width = strip.width() / 3;
        int reddest = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 2 * width; x < 3 * width; ++x)
                reddest = std::max(reddest, qRed(strip.pixel(x, y)));
        QVERIFY2(reddest <= 25, qPrintable(QString::number(id)));
    }
}

QTEST_MAIN(TestResourceImages)
#include "tst_resourceimages.moc"
