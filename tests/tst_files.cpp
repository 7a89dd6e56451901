#include "files.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Answers every request on 127.0.0.1 with one fixed raw response (or, when
// it is empty, never answers).
class OneResponseServer : public QTcpServer
{
public:
    explicit OneResponseServer(const QByteArray& response) : m_response(response)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, &OneResponseServer::answer);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/hir.txt").arg(serverPort()); }

private:
    void answer()
    {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n") || m_response.isEmpty())
                    return;
                socket->write(m_response);
                socket->disconnectFromHost();
            });
        }
    }
    QByteArray m_response;
};
} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void folders()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QCOMPARE(CommonAppDataFolder(), home.path());
        QVERIFY(!DocumentsFolder().isEmpty());
    }

    void copyFileOver()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a.txt"));
        const QString target = dir.filePath(QStringLiteral("b.txt"));
        WriteAll(source, QByteArray("new content"));
        WriteAll(target, QByteArray("old"));

        QVERIFY(CopyFileOver(source, target));
        QCOMPARE(ReadAll(target), QByteArray("new content"));
        QVERIFY(CopyFileOver(source, source));
        QCOMPARE(ReadAll(source), QByteArray("new content"));
    }

    void copyFileOverReportsFailure_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::newRow("missing source") << "nincs.txt"
                                        << "b.txt";
        QTest::newRow("source is a folder") << "."
                                            << "b.txt";
        QTest::newRow("target folder missing") << "a.txt"
                                               << "nincs/b.txt";
    }
    void copyFileOverReportsFailure()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QTemporaryDir dir;
        WriteAll(dir.filePath(QStringLiteral("a.txt")), QByteArray("new"));
        WriteAll(dir.filePath(QStringLiteral("b.txt")), QByteArray("old"));
        QVERIFY(!CopyFileOver(dir.filePath(source), dir.filePath(target)));
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("b.txt"))), QByteArray("old"));
    }

    void downloadFile_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("200") << QByteArray(
                                    "HTTP/1.1 200 OK\r\nContent-Length: 7\r\nConnection: close\r\n\r\nHír: 1")
                             << true << QByteArray("Hír: 1");
        QTest::newRow("404 leaves the file") << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n"
                                                           "Connection: close\r\n\r\nnope")
                                             << false << QByteArray("old");
        QTest::newRow("cut short")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\npart") << false
            << QByteArray("old");
        QTest::newRow("no answer times out") << QByteArray() << false << QByteArray("old");
    }
    void downloadFile()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, ok);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hir.txt"));
        WriteAll(file, QByteArray("old"));
        OneResponseServer server(response);
        QVERIFY(server.isListening());
        QCOMPARE(DownloadFile(server.url(), file, 500), ok);
        QCOMPARE(ReadAll(file), content);
    }

    void downloadFileFailures_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("empty address") << "";
        QTest::newRow("relative address") << "hir.txt";
        QTest::newRow("unknown scheme") << "gopher://127.0.0.1/x";
    }
    void downloadFileFailures()
    {
        QFETCH(QString, url);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hir.txt"));
        QVERIFY(!DownloadFile(url, file, 500));
        QVERIFY(!QFile::exists(file));
    }

    void downloadFromClosedPort()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hir.txt"));
        QVERIFY(!DownloadFile(QStringLiteral("http://127.0.0.1:%1/hir.txt").arg(port), file, 2000));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
