// The number conventions: how texts become numbers and numbers become texts.
#include "common/numbers.h"

#include <QtTest>

#include <limits>

using namespace common;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("plain") << "45" << 45.0;
        QTest::newRow("percent ends it") << "45%" << 45.0;
        QTest::newRow("unit after blank") << "7 hp" << 7.0;
        QTest::newRow("fraction") << "12.5" << 12.5;
        QTest::newRow("leading point") << ".25" << 0.25;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus sign") << "+8" << 8.0;
        QTest::newRow("blanks inside") << " 1 2 . 5" << 12.5;
        QTest::newRow("tab and line feed inside") << "\t-\n4\t2" << -42.0;
        QTest::newRow("carriage return ends it") << "1\r2" << 1.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("exponent E") << "1E3" << 1000.0;
        QTest::newRow("exponent d, negative") << "25d-1" << 2.5;
        QTest::newRow("exponent with blanks") << "2 e + 2" << 200.0;
        QTest::newRow("exponent without digits") << "12e" << 12.0;
        QTest::newRow("exponent sign without digits") << "12E+x" << 12.0;
        QTest::newRow("text") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("comma ends it") << "1,5" << 1.0;
        QTest::newRow("15 digits") << "123456789012.345" << 123456789012.345;
        QTest::newRow("16 digits") << "1234567890123.4567" << 1234567890123.4567;
        QTest::newRow("leading zeros count as digits") << "0000000000000001.5" << 1.5;
        QTest::newRow("one tenth, rounded as strtod does") << "0.1" << 0.1;
        QTest::newRow("negative leading point") << "-.5" << -0.5;
        QTest::newRow("22 fraction digits") << "0.0000000000000000000001" << 1e-22;
        QTest::newRow("too large") << "1e999" << std::numeric_limits<double>::max();
        QTest::newRow("too large negative") << "-1e999" << -std::numeric_limits<double>::max();
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(ParseNumber(text), number);
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("value");
        QTest::newRow("2.5 to even 2") << 2.5 << 2;
        QTest::newRow("3.5 to even 4") << 3.5 << 4;
        QTest::newRow("-2.5 to even -2") << -2.5 << -2;
        QTest::newRow("-3.5 to even -4") << -3.5 << -4;
        QTest::newRow("2.51 up") << 2.51 << 3;
        QTest::newRow("0.5 to 0") << 0.5 << 0;
        QTest::newRow("top") << 32767.0 << 32767;
        QTest::newRow("top half rounds to even, saturated") << 32767.5 << 32767;
        QTest::newRow("above top") << 40000.0 << 32767;
        QTest::newRow("bottom") << -32768.0 << -32768;
        QTest::newRow("below bottom") << -1e300 << -32768;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void toInt16()
    {
        QFETCH(double, number);
        QFETCH(int, value);
        QCOMPARE(int(ToInt16(number)), value);
    }

    void saturate()
    {
        QCOMPARE(int(Saturate16(32768)), 32767);
        QCOMPARE(int(Saturate16(-32769)), -32768);
        QCOMPARE(int(Saturate16(-5)), -5);
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("half") << 12.5 << "12.5";
        QTest::newRow("negative fraction") << -0.25 << "-0.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << "0.3";
        QTest::newRow("fifteen digits kept") << 123456789.012345 << "123456789.012345";
        QTest::newRow("sixteenth digit rounded") << 1.0000000000000002 << "1";
        QTest::newRow("large whole, no exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("small, no exponent") << 1.5e-7 << "0.00000015";
        QTest::newRow("thousand") << 1000.0 << "1000";
    }
    void formatNumber()
    {
        QFETCH(double, number);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(number), text);
    }

    void formatInteger()
    {
        QCOMPARE(FormatInteger(-32768), QStringLiteral("-32768"));
        QCOMPARE(FormatInteger(0), QStringLiteral("0"));
        QCOMPARE(FormatInteger(1234567), QStringLiteral("1234567"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
