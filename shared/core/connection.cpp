#include "connection.h"

#include "errors.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <mysql.h>

namespace {
// Qt's driver talks UTF-8 on the wire; the collation of the connection is what
// makes literals compare the Hungarian way against the latin2 columns.
// The client library repeats this init command after every reconnect.
constexpr const char* kSessionSetup = "SET character_set_client = utf8mb4, character_set_results = utf8mb4, "
                                      "collation_connection = 'latin2_hungarian_ci'";

void InstallReconnectSetup(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "MYSQL*") != 0)
        return;
    if (auto* mysql = *static_cast<MYSQL* const*>(handle.data()))
        mysql_options(mysql, MYSQL_INIT_COMMAND, kSessionSetup);
}
} // namespace

QSqlDatabase OpenConnection(const ConnectionParams& params, const QString& name)
{
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    if (db.isOpen())
        db.close();
    db.setDatabaseName(params.database);
    db.setHostName(params.host);
    db.setPort(params.port);
    db.setUserName(params.user);
    db.setPassword(params.password);
    db.setConnectOptions(
        QStringLiteral("CLIENT_COMPRESS=1;MYSQL_OPT_CONNECT_TIMEOUT=30;MYSQL_OPT_RECONNECT=1"));
    if (!db.open()) {
        const QSqlError err = db.lastError();
        throw SqlError(err.databaseText().isEmpty() ? err.text() : err.databaseText(),
                       err.nativeErrorCode().toInt());
    }
    QSqlQuery q(db);
    if (!q.exec(QString::fromLatin1(kSessionSetup))) {
        const QSqlError err = q.lastError();
        db.close();
        throw SqlError(err.databaseText(), err.nativeErrorCode().toInt());
    }
    InstallReconnectSetup(db);
    return db;
}

void CloseConnection(const QString& name)
{
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString MainConnectionName()
{
    return QStringLiteral("mySQLDatabase1");
}

QSqlDatabase MainConnection()
{
    return QSqlDatabase::database(MainConnectionName(), false);
}
