#include "errors.h"
#include "sqlexec.h"
#include "testdb.h"

#include <QTest>

class TestSqlExec : public QObject
{
    Q_OBJECT

private slots:
    void init() { OVIX_REQUIRE_DB(); }

    void scalarReads()
    {
        TestDatabase tdb(TestDatabase::Content::Empty);
        QSqlDatabase db = tdb.connectMain();
        ExecSql(QStringLiteral("CREATE TABLE t (t INT PRIMARY KEY, t_nev VARCHAR(20), s VARCHAR(20));"));
        QCOMPARE(SqlInt(QStringLiteral("SELECT '12.5';"), 7), 0);
        QCOMPARE(SqlInt(QStringLiteral("SELECT t FROM t;"), 7), 7);
        QCOMPARE(SqlInt(QStringLiteral("SELECT NULL;"), 7), 0);
        QCOMPARE(SqlInt(QStringLiteral("SELECT ' 42 ';"), 7), 42);
        QCOMPARE(SqlStr(QStringLiteral("SELECT MAX(s) FROM t;"), QStringLiteral("x")), QString());
        QCOMPARE(SqlStr(QStringLiteral("SELECT s FROM t;"), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(NextId(QStringLiteral("t")), 1);
        ExecSql(QStringLiteral("INSERT INTO t VALUES (4, 'O''B', 'x\\r\\ny');"));
        QCOMPARE(NextId(QStringLiteral("t")), 5);
        QCOMPARE(SqlStr(QStringLiteral("SELECT s FROM t;"), QString()), QStringLiteral("x\r\ny"));
        QCOMPARE(NameById(QStringLiteral("t"), 4, QStringLiteral("-")), QStringLiteral("O'B"));
    }

    void errorsCarryTheServerMessage()
    {
        TestDatabase tdb(TestDatabase::Content::Empty);
        tdb.connectMain();
        try {
            ExecSql(QStringLiteral("SELECT * FROM nincs_ilyen;"));
            QFAIL("no error");
        } catch (const SqlError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("nincs_ilyen")), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSqlExec)
#include "tst_sqlexec.moc"
