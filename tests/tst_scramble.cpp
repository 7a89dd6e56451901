#include "codec.h"
#include "scramble.h"

#include <QTest>

class TestScramble : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("connection entry") << QByteArray("ovix;127.0.0.1;3306;root;titok;Uszoda");
        QTest::newRow("NUL and FF wrap") << QByteArray("\x00\xFF\x00", 3);
        QTest::newRow("accented") << ToCp1250(QString::fromUtf8("Árvíztűrő tükörfúrógép"));
        QByteArray all;
        for (int c = 0; c < 256; ++c)
            all += static_cast<char>(c);
        QTest::newRow("every byte") << all;
    }
    void roundTrip()
    {
        QFETCH(QByteArray, plain);
        const QByteArray scrambled = ScrambleText(plain);
        QCOMPARE(scrambled.size(), 3 + 2 * plain.size());
        QCOMPARE(UnscrambleText(scrambled), plain);
        // The filler bytes lie in '!'..'W'; each text byte is stored one higher.
        for (qsizetype i = 0; i < scrambled.size(); ++i) {
            const auto b = static_cast<unsigned char>(scrambled.at(i));
            if (i < 3 || i % 2 == 0)
                QVERIFY2(b >= 33 && b <= 87, qPrintable(QString::number(i)));
            else
                QCOMPARE(b,
                         static_cast<unsigned char>(static_cast<unsigned char>(plain.at((i - 3) / 2)) + 1));
        }
    }

    void differsEveryTime()
    {
        const QByteArray plain("jelszo");
        QSet<QByteArray> forms;
        for (int i = 0; i < 20; ++i)
            forms.insert(ScrambleText(plain));
        QVERIFY(forms.size() > 1);
    }

    void unscrambleShortOrForeign_data()
    {
        QTest::addColumn<QByteArray>("scrambled");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("three bytes") << QByteArray("!!!") << QByteArray();
        QTest::newRow("four bytes") << QByteArray("!!!b") << QByteArray("a");
        QTest::newRow("odd tail") << QByteArray("!!!b!c") << QByteArray("ab");
        QTest::newRow("zero wraps to FF") << QByteArray("!!!\x00!", 5) << QByteArray("\xFF");
    }
    void unscrambleShortOrForeign()
    {
        QFETCH(QByteArray, scrambled);
        QFETCH(QByteArray, plain);
        QCOMPARE(UnscrambleText(scrambled), plain);
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
