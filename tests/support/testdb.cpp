#include "testdb.h"

#include "errors.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QUuid>

bool TestServer::configured()
{
    return !qEnvironmentVariable("OVIX_TEST_DB_PORT").isEmpty();
}

ConnectionParams TestServer::params(const QString& database)
{
    ConnectionParams p;
    p.database = database;
    p.host = qEnvironmentVariable("OVIX_TEST_DB_HOST", QStringLiteral("127.0.0.1"));
    p.port = qEnvironmentVariableIntValue("OVIX_TEST_DB_PORT");
    p.user = qEnvironmentVariable("OVIX_TEST_DB_USER", QStringLiteral("ovix"));
    p.password = qEnvironmentVariable("OVIX_TEST_DB_PASSWORD");
    return p;
}

int TestServer::runClient(const QString& database, const QByteArray& script, QString* output,
                          const QStringList& extraArgs)
{
    const ConnectionParams p = params(database);
    QStringList args{QStringLiteral("--no-defaults"), QStringLiteral("--default-character-set=utf8mb4"),
                     QStringLiteral("-h"), p.host, QStringLiteral("-P"), QString::number(p.port),
                     QStringLiteral("-u"), p.user};
    args += extraArgs;
    if (!database.isEmpty())
        args << database;
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MYSQL_PWD"), p.password);
    proc.setProcessEnvironment(env);
    proc.setProcessChannelMode(QProcess::MergedChannels);
    proc.start(QStringLiteral("mariadb"), args);
    if (!proc.waitForStarted())
        return -1;
    proc.write(script);
    proc.closeWriteChannel();
    proc.waitForFinished(-1);
    if (output)
        *output = QString::fromUtf8(proc.readAll());
    return proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1;
}

TestDatabase::TestDatabase(Content content)
{
    static QAtomicInt counter;
    m_name = QStringLiteral("ovixt_%1_%2_%3")
                 .arg(QCoreApplication::applicationPid())
                 .arg(counter.fetchAndAddRelaxed(1))
                 .arg(QUuid::createUuid().toString(QUuid::Id128).left(8));
    if (content == Content::Empty) {
        const QByteArray sql = "CREATE DATABASE " + m_name.toUtf8() +
                               " CHARACTER SET latin2 COLLATE latin2_hungarian_ci;\n";
        QString out;
        if (TestServer::runClient(QString(), sql, &out) != 0)
            throw OvixError(QStringLiteral("CREATE DATABASE failed: ") + out);
        return;
    }
    QProcess proc;
    proc.setProcessChannelMode(QProcess::MergedChannels);
    proc.start(QStringLiteral(OVIX_SOURCE_DIR "/scripts/create-database.sh"),
               {m_name, QStringLiteral(OVIX_BIN_DIR "/SQL")});
    proc.waitForFinished(-1);
    if (proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0)
        throw OvixError(QStringLiteral("create-database.sh failed: ") + QString::fromUtf8(proc.readAll()));
}

TestDatabase::~TestDatabase()
{
    for (const QString& c : m_connections)
        CloseConnection(c);
    TestServer::runClient(QString(), "DROP DATABASE IF EXISTS " + m_name.toUtf8() + ";\n");
}

QSqlDatabase TestDatabase::connect(const QString& connectionName) const
{
    if (!m_connections.contains(connectionName))
        m_connections << connectionName;
    return OpenConnection(TestServer::params(m_name), connectionName);
}

QSqlDatabase TestDatabase::connectMain() const
{
    return connect(MainConnectionName());
}
