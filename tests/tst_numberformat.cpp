#include "numberformat.h"

#include <QTest>

namespace {
const QString kWhole = QStringLiteral("### ### ##0");
const QString kCents = QStringLiteral("### ### ##0.00");
} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void formatFloat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << kWhole << 0.0 << "0";
        QTest::newRow("three digits") << kWhole << 650.0 << "650";
        QTest::newRow("grouped") << kWhole << 14650.0 << "14 650";
        QTest::newRow("negative") << kWhole << -1234567.0 << "-1 234 567";
        QTest::newRow("more digits than placeholders") << kWhole << 1234567890.0 << "1234 567 890";
        QTest::newRow("half rounds up") << kWhole << 2.5 << "3";
        QTest::newRow("half away from zero") << kWhole << -2.5 << "-3";
        QTest::newRow("rounds into a new group") << kWhole << 999999.5 << "1 000 000";
        QTest::newRow("no minus zero") << kWhole << -0.4 << "0";
        QTest::newRow("cents") << kCents << 1350.5 << "1 350,50";
        QTest::newRow("cents of zero") << kCents << 0.0 << "0,00";
        QTest::newRow("cents rounding as read") << kCents << 2.675 << "2,68";
        QTest::newRow("cents negative below one") << kCents << -0.5 << "-0,50";
        QTest::newRow("cents carry") << kCents << 9.995 << "10,00";
        QTest::newRow("optional decimals shown") << "0.##" << 1.5 << "1,5";
        QTest::newRow("optional decimals dropped") << "0.##" << 2.0 << "2";
        QTest::newRow("forced zeros") << "000" << 7.0 << "007";
        QTest::newRow("only optional digits") << "###" << 0.0 << "";
        QTest::newRow("literal suffix") << "### ##0 Ft" << 1500.0 << "1 500 Ft";
        QTest::newRow("tiny") << kCents << 1e-20 << "0,00";
        QTest::newRow("large") << kWhole << 1e15 << "1000000000 000 000";
        QTest::newRow("no placeholder") << "" << 1.5 << "1,5";
    }
    void formatFloat()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(format, value), expected);
    }

    void parseOperatorNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "12,5" << true << 12.5;
        QTest::newRow("point") << "12.5" << true << 12.5;
        QTest::newRow("blanks around") << " -3 " << true << -3.0;
        QTest::newRow("whole") << "1500" << true << 1500.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("two separators") << "1.000,5" << false << 0.0;
        QTest::newRow("letters") << "12 db" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
    }
    void parseOperatorNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        bool parsed = !ok;
        QCOMPARE(ParseOperatorNumber(text, &parsed), value);
        QCOMPARE(parsed, ok);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
