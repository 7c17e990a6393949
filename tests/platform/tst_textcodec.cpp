// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <QtTest>

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void toUtf8_data();
    void toUtf8();
};

void TestTextCodec::toUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");

    // Valid UTF-8 passes as it is.
    QTest::newRow("ascii") << QByteArray("apple, raw") << QByteArray("apple, raw");
    QTest::newRow("utf-8 accents")
        << QByteArray("caf\xc3\xa9 cr\xc3\xa8me") << QByteArray("caf\xc3\xa9 cr\xc3\xa8me");
    QTest::newRow("utf-8 four bytes")
        << QByteArray("\xf0\x9f\x8d\x8e") << QByteArray("\xf0\x9f\x8d\x8e");
    QTest::newRow("zero byte") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);

    // Anything else is Windows-1252, every byte of it.
    QTest::newRow("1252 accents") << QByteArray("caf\xe9 cr\xe8me")
                                  << QByteArray("caf\xc3\xa9 cr\xc3\xa8me");
    QTest::newRow("1252 euro, quotes, Y diaeresis")
        << QByteArray("\x80 \x93x\x94 \x9f")
        << QByteArray("\xe2\x82\xac \xe2\x80\x9cx\xe2\x80\x9d \xc5\xb8");
    QTest::newRow("1252 undefined bytes") << QByteArray("\x81\x8d\x8f\x90\x9d")
                                          << QByteArray("\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d");
    QTest::newRow("utf-8 with one stray byte")
        << QByteArray("\xc3\xa9\xe9") << QByteArray("\xc3\x83\xc2\xa9\xc3\xa9");
    QTest::newRow("cut sequence") << QByteArray("abc\xc3") << QByteArray("abc\xc3\x83");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QByteArray("\xc3\x80\xc2\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80")
                               << QByteArray("\xc3\xad\xc2\xa0\xe2\x82\xac");
    QTest::newRow("past U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << QByteArray("\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac");
}

void TestTextCodec::toUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
    QCOMPARE(QByteArray::fromStdString(TextCodec::ToUtf8(view)), expected);
    QCOMPARE(TextCodec::IsValidUtf8(view), bytes == expected);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
