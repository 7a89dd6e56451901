#include "nullvalues.h"

#include <QTest>

class TestNullValues : public QObject
{
    Q_OBJECT

private slots:
    void nullValues()
    {
        const QVariant dbNull(QMetaType::fromType<QString>());
        const QVariant dbNullInt(QMetaType::fromType<int>());
        QCOMPARE(NullToStr(dbNull, QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(NullToStr(QVariant(), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(NullToStr(QVariant(QString()), QStringLiteral("x")), QString());
        QCOMPARE(NullToInt(dbNullInt, 7), 7);
        QCOMPARE(NullToInt(QVariant(QStringLiteral("12")), 7), 12);
        QCOMPARE(NullToFloat(dbNull, 1.5), 1.5);
        QCOMPARE(NullToFloat(QVariant(QStringLiteral("2.25")), 1.5), 2.25);
        QCOMPARE(NullToIntStr(dbNullInt), QStringLiteral("0"));
        QCOMPARE(NullToIntStr(QVariant(42)), QStringLiteral("42"));
        QCOMPARE(BoolToIN(true), QStringLiteral("I"));
        QCOMPARE(BoolToIN(false), QStringLiteral("N"));
        QCOMPARE(IfThenValue(true, QStringLiteral("I"), "N"), QStringLiteral("I"));
        QCOMPARE(IfThenValue(false, 1, 2.5), 2.5);
    }
};

QTEST_GUILESS_MAIN(TestNullValues)
#include "tst_nullvalues.moc"
