#include "sqltext.h"

#include <QTest>

class TestSqlText : public QObject
{
    Q_OBJECT

private slots:
    void quoteSql_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inner quote doubled") << "O'Brien"
                                             << "'O''Brien'";
        QTest::newRow("NULL gives the empty literal") << QString() << "''";
        QTest::newRow("backslash doubled") << "a\\b"
                                           << "'a\\\\b'";
        QTest::newRow("line break escaped") << "x\r\ny"
                                            << "'x\\r\\ny'";
        QTest::newRow("backslash before quote") << "\\'"
                                                << "'\\\\'''";
    }
    void quoteSql()
    {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(QuoteSql(value), expected);
    }

    void floatToSql_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 14650.0 << "14650";
        QTest::newRow("decimal point") << 1350.5 << "1350.5";
        QTest::newRow("negative") << -0.25 << "-0.25";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("no grouping for large") << 123456789012.0 << "123456789012";
    }
    void floatToSql()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FloatToSql(value), expected);
    }
};

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
