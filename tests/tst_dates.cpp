#include "dates.h"

#include <QTest>

class TestDates : public QObject
{
    Q_OBJECT

private slots:
    void dateWeek_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::newRow("1 Jan 2021 is in the last week of 2020") << QDate(2021, 1, 1) << 53;
        QTest::newRow("first Monday of 2021") << QDate(2021, 1, 4) << 1;
        QTest::newRow("30 Dec 2024 is in week 1 of 2025") << QDate(2024, 12, 30) << 1;
        QTest::newRow("1 Jan 2023 (Sunday)") << QDate(2023, 1, 1) << 52;
        QTest::newRow("31 Dec 2020 (Thursday)") << QDate(2020, 12, 31) << 53;
        QTest::newRow("1 Jan 2026 (Thursday)") << QDate(2026, 1, 1) << 1;
    }
    void dateWeek()
    {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QCOMPARE(DateWeek(date), week);
        // The calendar year and month, not the week's year.
        QCOMPARE(DateYear(date), date.year());
        QCOMPARE(DateMonth(date), date.month());
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
