// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseIgnoresLocale();
    void fixed_data();
    void fixed();
};

void TestNumberText::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("blanks only") << QByteArray(" \t ") << 0.0;
    QTest::newRow("garbage") << QByteArray("abc") << 0.0;
    QTest::newRow("integer") << QByteArray("72") << 72.0;
    QTest::newRow("decimal") << QByteArray("72.5") << 72.5;
    QTest::newRow("leading blanks, trailing unit") << QByteArray(" 72.5 kg") << 72.5;
    QTest::newRow("leading tab and line break") << QByteArray("\t\n72") << 72.0;
    QTest::newRow("comma stops") << QByteArray("72,5") << 72.0;
    QTest::newRow("exponent") << QByteArray("1e2") << 100.0;
    QTest::newRow("signed exponent") << QByteArray("25E-1") << 2.5;
    QTest::newRow("exponent without digits") << QByteArray("3e") << 3.0;
    QTest::newRow("exponent sign without digits") << QByteArray("3e+x") << 3.0;
    QTest::newRow("minus") << QByteArray("-3") << -3.0;
    QTest::newRow("plus") << QByteArray("+4.25") << 4.25;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("7.") << 7.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("lone sign") << QByteArray("-") << 0.0;
    QTest::newRow("sign then blank") << QByteArray("- 5") << 0.0;
    QTest::newRow("no hex") << QByteArray("0x10") << 0.0;
    QTest::newRow("no words") << QByteArray("inf") << 0.0;
    QTest::newRow("underflow") << QByteArray("1e-999") << 0.0;
    // Out of range is decided by the size of the number, not by the sign of its exponent.
    const QByteArray zeros(400, '0');
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("tiny by its zeros") << QByteArray("0." + zeros + "1") << 0.0;
    QTest::newRow("tiny negative") << QByteArray("-0." + zeros + "1") << -0.0;
    QTest::newRow("huge despite e-5") << QByteArray("1" + zeros + "e-5") << infinity;
    QTest::newRow("tiny despite e+5") << QByteArray("0." + zeros + "1e+5") << 0.0;
    QTest::newRow("negative overflow") << QByteArray("-1e999") << -infinity;
    QTest::newRow("subnormal kept") << QByteArray("1e-310") << 1e-310;
    QTest::newRow("zero, huge exponent") << QByteArray("0e99999999999") << 0.0;
}

void TestNumberText::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double parsed = NumberText::parse(std::string_view(text.constData(), text.size()));
    QCOMPARE(parsed, expected);
    QCOMPARE(std::signbit(parsed), std::signbit(expected));
}

void TestNumberText::parseIgnoresLocale()
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        QSKIP("de_DE.UTF-8 locale not installed");
    QCOMPARE(NumberText::parse("2.5"), 2.5);
    QCOMPARE(NumberText::parse("2,5"), 2.0);
    QCOMPARE(NumberText::fixed(2.5, 1), std::string("2.5"));
    std::setlocale(LC_NUMERIC, saved.c_str());

    QCOMPARE(NumberText::parse("1e999"), std::numeric_limits<double>::infinity());
}

void TestNumberText::fixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one decimal") << 72.25 << 1 << QByteArray("72.2"); // ties to even, as printf
    QTest::newRow("whole") << 80.0 << 1 << QByteArray("80.0");
    QTest::newRow("rounded up") << 9.5 << 0 << QByteArray("10");
    QTest::newRow("small") << 0.04 << 1 << QByteArray("0.0");
    QTest::newRow("negative") << -1.25 << 1 << QByteArray("-1.2");
}

void TestNumberText::fixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(NumberText::fixed(value, decimals)), expected);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
