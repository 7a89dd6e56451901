#include "querytext.h"
#include "sqlexec.h"
#include "sqltext.h"
#include "testdb.h"

#include <QSqlQuery>
#include <QTest>

namespace {
const QStringList kQuery = {QStringLiteral("SELECT *"), QStringLiteral("FROM ugyfel"),
                            QStringLiteral("WHERE torolve='N';"), QStringLiteral("ORDER BY ugyfel_nev;")};
}

class TestQueryText : public QObject
{
    Q_OBJECT

private slots:
    void lineEdits()
    {
        QStringList lines = kQuery;
        QCOMPARE(SetWhere(lines, QStringLiteral("ugyfel=1;"), true),
                 QStringLiteral("SELECT *\nFROM ugyfel\nWHERE ugyfel=1;\nORDER BY ugyfel_nev;"));
        lines = kQuery;
        QCOMPARE(AppendWhere(lines, QStringLiteral(" AND (kartya='1')")),
                 QStringLiteral(
                     "SELECT *\nFROM ugyfel\nWHERE torolve='N' AND (kartya='1');\nORDER BY ugyfel_nev;"));
        QCOMPARE(lines.at(2), QStringLiteral("WHERE torolve='N' AND (kartya='1');"));
        lines = kQuery;
        QCOMPARE(SetFrom(lines, QStringLiteral("vw_ugyfel")),
                 QStringLiteral("SELECT *\nFROM vw_ugyfel\nWHERE torolve='N';\nORDER BY ugyfel_nev;"));
        lines = kQuery;
        QCOMPARE(SetOrderBy(lines, QStringLiteral("kartya")),
                 QStringLiteral("SELECT *\nFROM ugyfel\nWHERE torolve='N';\nORDER BY kartya;"));
    }

    void lineMatching()
    {
        // SetWhere and SetOrderBy do not trim; AppendWhere and SetFrom do.
        QStringList lines = {QStringLiteral("SELECT 1"), QStringLiteral("  FROM t"),
                             QStringLiteral("  WHERE a=1"), QStringLiteral("  ORDER BY a;")};
        const QString unchanged = lines.join(QLatin1Char('\n'));
        QCOMPARE(SetOrderBy(lines, QStringLiteral("b")), unchanged);
        QCOMPARE(SetWhere(lines, QStringLiteral("b=2"), false), unchanged);
        QCOMPARE(AppendWhere(lines, QStringLiteral(" AND b=2")),
                 QStringLiteral("SELECT 1\n  FROM t\n  WHERE a=1 AND b=2\n  ORDER BY a;"));
        QCOMPARE(SetFrom(lines, QStringLiteral("u")),
                 QStringLiteral("SELECT 1\nFROM u\n  WHERE a=1 AND b=2\n  ORDER BY a;"));

        // Without firstOnly every WHERE line changes (lower case matches too).
        QStringList unions = {QStringLiteral("where a=1"), QStringLiteral("UNION"),
                              QStringLiteral("WHERE a=2")};
        QCOMPARE(SetWhere(unions, QStringLiteral("x"), false), QStringLiteral("WHERE x\nUNION\nWHERE x"));
    }

    void likeFilter_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withAnd");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two fields") << "ugyfel_nev;kartya"
                                    << "kov" << false
                                    << "((ugyfel_nev LIKE '%kov%') OR (kartya LIKE '%kov%'))";
        QTest::newRow("with AND") << "a"
                                  << "kov" << true << " AND ((a LIKE '%kov%'))";
        QTest::newRow("empty text") << "a;b"
                                    << "" << false << "";
        QTest::newRow("stops at an empty name") << "a;;b"
                                                << "x" << false << "((a LIKE '%x%'))";
        QTest::newRow("quote") << "a"
                               << "O'B" << false << "((a LIKE '%O''B%'))";
        QTest::newRow("percent literal") << "a"
                                         << "50%" << false << "((a LIKE '%50\\\\%%'))";
        QTest::newRow("underscore literal") << "a"
                                            << "a_b" << false << "((a LIKE '%a\\\\_b%'))";
        QTest::newRow("backslash literal") << "a"
                                           << "a\\b" << false << "((a LIKE '%a\\\\\\\\b%'))";
        QTest::newRow("parentheses in the text stay")
            << "a;b"
            << "x)(y" << false << "((a LIKE '%x)(y%') OR (b LIKE '%x)(y%'))";
    }
    void likeFilter()
    {
        QFETCH(QString, fields);
        QFETCH(QString, text);
        QFETCH(bool, withAnd);
        QFETCH(QString, expected);
        QCOMPARE(LikeFilter(fields, text, withAnd), expected);
    }

    void likeFilterAtMost15Fields()
    {
        QStringList names;
        for (int i = 1; i <= 16; ++i)
            names << QStringLiteral("f%1").arg(i);
        const QString filter = LikeFilter(names.join(QLatin1Char(';')), QStringLiteral("x"), false);
        QCOMPARE(filter.count(QStringLiteral(" LIKE ")), 15);
        QVERIFY(!filter.contains(QStringLiteral("f16")));
    }

    void likeFilterWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withAnd");
        QTest::addColumn<QString>("expected");
        const QString xy =
            QStringLiteral("(((a LIKE '%x%') OR (b LIKE '%x%')) AND ((a LIKE '%y%') OR (b LIKE '%y%')))");
        QTest::newRow("two words") << "x y" << false << xy;
        QTest::newRow("commas") << "x,,y" << false << xy;
        QTest::newRow("semicolon") << "x;y" << false << xy;
        QTest::newRow("with AND") << "x" << true << " AND (((a LIKE '%x%') OR (b LIKE '%x%')))";
        QTest::newRow("only separators") << " ,; " << false << "";
        QTest::newRow("leading blanks") << "    x" << false << "(((a LIKE '%x%') OR (b LIKE '%x%')))";
        QTest::newRow("first four fields only")
            << "p q r s t" << false
            << "(((a LIKE '%p%') OR (b LIKE '%p%')) AND ((a LIKE '%q%') OR (b LIKE '%q%')) AND "
               "((a LIKE '%r%') OR (b LIKE '%r%')) AND ((a LIKE '%s%') OR (b LIKE '%s%')))";
        QTest::newRow("wildcard escaped")
            << "5%" << false << "(((a LIKE '%5\\\\%%') OR (b LIKE '%5\\\\%%')))";
    }
    void likeFilterWords()
    {
        QFETCH(QString, text);
        QFETCH(bool, withAnd);
        QFETCH(QString, expected);
        QCOMPARE(LikeFilterWords(QStringLiteral("a;b"), text, withAnd), expected);
    }

    // What the server makes of the conditions: wildcards in the search text
    // match only themselves, and the Hungarian collation still applies.
    void likeFilterOnTheServer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("percent") << "50%"
                                 << "50%";
        QTest::newRow("underscore") << "a_b"
                                    << "a_b";
        QTest::newRow("backslash") << "c\\d"
                                   << "c\\d";
        QTest::newRow("quote") << "O'B"
                               << "O'Brien";
        QTest::newRow("case and accents") << QString::fromUtf8("ÁRVÍZ") << QString::fromUtf8("Árvíztűrő");
        QTest::newRow("o is not ö") << "ott"
                                    << "ott";
        QTest::newRow("two words") << "Brien O"
                                   << "O'Brien";
    }
    void likeFilterOnTheServer()
    {
        OVIX_REQUIRE_DB();
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestDatabase tdb(TestDatabase::Content::Empty);
        tdb.connectMain();
        ExecSql(QStringLiteral("CREATE TABLE t (nev VARCHAR(40));"));
        const QStringList values = {QStringLiteral("50%"),     QStringLiteral("500"),
                                    QStringLiteral("a_b"),     QStringLiteral("axb"),
                                    QStringLiteral("c\\d"),    QStringLiteral("cd"),
                                    QStringLiteral("O'Brien"), QString::fromUtf8("Árvíztűrő"),
                                    QStringLiteral("ott"),     QString::fromUtf8("ött")};
        for (const QString& v : values)
            ExecSql(QStringLiteral("INSERT INTO t VALUES (%1);").arg(QuoteSql(v)));

        const QString filter = text.contains(QLatin1Char(' '))
                                   ? LikeFilterWords(QStringLiteral("nev"), text, true)
                                   : LikeFilter(QStringLiteral("nev"), text, true);
        QSqlQuery q = OpenQuery(QStringLiteral("SELECT nev FROM t WHERE 1=1") + filter + QLatin1Char(';'));
        QStringList found;
        while (q.next())
            found << q.value(0).toString();
        QCOMPARE(found, QStringList{expected});
    }
};

QTEST_GUILESS_MAIN(TestQueryText)
#include "tst_querytext.moc"
