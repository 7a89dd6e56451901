#include "errors.h"
#include "textfields.h"

#include <QTest>

class TestTextFields : public QObject
{
    Q_OBJECT

private slots:
    void nthField_data()
    {
        QTest::addColumn<QString>("delimiters");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << ";"
                               << "a;b;;d" << 1 << "a";
        QTest::newRow("empty between two delimiters") << ";"
                                                      << "a;b;;d" << 3 << "";
        QTest::newRow("last") << ";"
                              << "a;b;;d" << 4 << "d";
        QTest::newRow("beyond the last") << ";"
                                         << "a;b;;d" << 5 << "";
        QTest::newRow("zero") << ";"
                              << "a;b" << 0 << "";
        QTest::newRow("trailing delimiter") << ";"
                                            << "a;" << 2 << "";
        QTest::newRow("any of several") << ";,"
                                        << "a,b;c" << 3 << "c";
        QTest::newRow("no delimiter in text") << ";"
                                              << "abc" << 1 << "abc";
    }
    void nthField()
    {
        QFETCH(QString, delimiters);
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(NthField(delimiters, text, n), expected);
    }

    void lenientStrToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("numericPart");
        QTest::addColumn<int>("expected");
        QTest::newRow("unit after the number") << "12 db"
                                               << "12" << 12;
        QTest::newRow("negative") << "-5"
                                  << "-5" << -5;
        QTest::newRow("inner minus dropped") << "1-2"
                                             << "12" << 12;
        QTest::newRow("decimal comma") << "12,5"
                                       << "12,5" << 0;
        QTest::newRow("thousands point") << "1.000"
                                         << "1.000" << 0;
        QTest::newRow("second separator dropped") << "1,2.3"
                                                  << "1,23" << 0;
        QTest::newRow("empty") << ""
                               << "" << 0;
        QTest::newRow("blanks around") << "  7 "
                                       << "7" << 7;
        QTest::newRow("minus alone") << "-"
                                     << "-" << 0;
        QTest::newRow("overflow") << "99999999999"
                                  << "99999999999" << 0;
    }
    void lenientStrToInt()
    {
        QFETCH(QString, text);
        QFETCH(QString, numericPart);
        QFETCH(int, expected);
        QCOMPARE(NumericPart(text), numericPart);
        QCOMPARE(LenientStrToInt(text), expected);
    }

    void padNumber_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << 42 << 5 << "00042";
        QTest::newRow("longer unchanged") << 123456 << 5 << "123456";
        QTest::newRow("exact width") << 12345 << 5 << "12345";
    }
    void padNumber()
    {
        QFETCH(int, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(PadNumber(value, width, QLatin1Char('0')), expected);
    }

    void inRangeOrAndSubstrings()
    {
        QCOMPARE(InRangeOr(1, 12, 1, -1), 1);
        QCOMPARE(InRangeOr(1, 12, 12, -1), 12);
        QCOMPARE(InRangeOr(1, 12, 13, -1), -1);
        QCOMPARE(InRangeOr(1, 12, 0, -1), -1);
        QCOMPARE(StrLeft(QStringLiteral("abcdef"), 2), QStringLiteral("ab"));
        QCOMPARE(StrRight(QStringLiteral("abcdef"), 2), QStringLiteral("ef"));
        QCOMPARE(StrRight(QStringLiteral("ab"), 5), QStringLiteral("ab"));
        QCOMPARE(StrLeft(QStringLiteral("ab"), -1), QString());
    }

    void ean8CheckDigit_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3212201") << "3212201"
                                 << "5";
        QTest::newRow("9900003") << "9900003"
                                 << "5";
        QTest::newRow("check digit 0") << "0000000"
                                       << "0";
        QTest::newRow("only the first seven count") << "3212201xyz"
                                                    << "5";
    }
    void ean8CheckDigit()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QCOMPARE(Ean8CheckDigit(code), expected);
    }

    void ean8CheckDigitRefusesNonDigits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("letter") << "32122A1";
        QTest::newRow("too short") << "321220";
        QTest::newRow("blank") << " 3212201";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("321220\u0663");
    }
    void ean8CheckDigitRefusesNonDigits()
    {
        QFETCH(QString, code);
        QVERIFY_THROWS_EXCEPTION(OvixError, Ean8CheckDigit(code));
    }
};

QTEST_GUILESS_MAIN(TestTextFields)
#include "tst_textfields.moc"
