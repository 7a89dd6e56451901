#pragma once

#include <QSqlDatabase>
#include <QString>

struct ConnectionParams
{
    QString database;
    QString host;
    int port = 3306;
    QString user;
    QString password;
};

// Adds (or reuses) the Qt connection `name` and opens it with the desk's
// options: compression, 30-second connect time-out, automatic reconnect, and
// the Hungarian collation for literals, applied after the connect and again
// by the client library after every automatic reconnect.
// Throws SqlError with the server's message when the connection fails.
QSqlDatabase OpenConnection(const ConnectionParams& params, const QString& name);

// Closes and removes the Qt connection `name` (no-op when absent).
void CloseConnection(const QString& name);

// The one connection of the running program that the SQL helpers use when
// no connection is passed in.
QString MainConnectionName();
QSqlDatabase MainConnection();
