#include "cardcode.h"
#include "codec.h"
#include "hungarian.h"

#include <QTest>

class TestCardCode : public QObject
{
    Q_OBJECT

private slots:
    void normalizeCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("accents, quote, Ö to zero") << QString::fromUtf8("öáb'1") << "0AB 1";
        QTest::newRow("letter outside the rules") << QString::fromUtf8("ä") << "#";
        QTest::newRow("double quote") << "a\"b"
                                      << "A B";
        QTest::newRow("every Hungarian vowel")
            << QString::fromUtf8("áéíóőöúűü ÁÉÍÓŐÖÚŰÜ") << "AEIOO0UUU AEIOO0UUU";
        QTest::newRow("plain code unchanged") << "32122015"
                                              << "32122015";
        QTest::newRow("not in the code page") << QString::fromUtf8("a€ñ😀") << "A€##";
        QTest::newRow("question mark kept") << "a?"
                                            << "A?";
    }
    void normalizeCode()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(NormalizeCode(text), expected);
    }

    void safeFileName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("punctuation to hyphens") << "A b!\"#%&'*+/:?@\\c"
                                                << "a-b-------------c";
        QTest::newRow("accented to underscore") << QString::fromUtf8("Ügyfél lista") << "_gyf_l-lista";
        QTest::newRow("kept") << "Report_2024-01.xls"
                              << "report_2024-01.xls";
        QTest::newRow("euro is code 128, kept") << QString::fromUtf8("€") << QString::fromUtf8("€");
        QTest::newRow("not in the code page") << QString::fromUtf8("ñ") << "_";
    }
    void safeFileName()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(SafeFileName(text), expected);
    }

    void utf8ToHungarian_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("expected");
        const QString sample = QString::fromUtf8("Árvíztűrő tükörfúrógép");
        QTest::newRow("small letters") << sample.toUtf8() << ToCp1250(sample);
        QTest::newRow("capitals") << sample.toUpper().toUtf8() << ToCp1250(sample.toUpper());
        QTest::newRow("combining acute")
            << QByteArray("a\xCC\x81 e\xCC\x81 i\xCC\x81") << ToCp1250(QString::fromUtf8("á é í"));
        QTest::newRow("other letter loses its C3") << QByteArray("\xC3\xA4") << QByteArray("\xA4");
        QTest::newRow("ASCII") << QByteArray("Hello 1") << QByteArray("Hello 1");
    }
    void utf8ToHungarian()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, expected);
        QCOMPARE(Utf8ToHungarian(utf8), expected);
    }

    void toUtf8()
    {
        const QString sample = QString::fromUtf8("Árvíztűrő tükörfúrógép");
        QCOMPARE(ToUtf8(ToCp1250(sample)), sample.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestCardCode)
#include "tst_cardcode.moc"
