#pragma once

#include "connection.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The private test server started by scripts/db-start.sh, found through the
// OVIX_TEST_DB_* environment variables.
struct TestServer
{
    static bool configured();
    static ConnectionParams params(const QString& database = QString());
    // Runs a script through the real mariadb command-line client (UTF-8).
    // Returns the client's exit code; `output` gets stdout and stderr.
    static int runClient(const QString& database, const QByteArray& script, QString* output = nullptr,
                         const QStringList& extraArgs = {});
};

// A database of its own for one test: created on construction (as the
// maintenance tool would create it, or empty), dropped on destruction.
class TestDatabase
{
public:
    enum class Content { Schema, Empty };
    explicit TestDatabase(Content content = Content::Schema);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    QString name() const { return m_name; }
    // Opens (or returns) a connection to this database under `connectionName`
    // with the desk's options.
    QSqlDatabase connect(const QString& connectionName) const;
    // Opens this database as the program's main connection.
    QSqlDatabase connectMain() const;

private:
    QString m_name;
    mutable QStringList m_connections;
};

// Use at the top of a database test: fails under CI (CI=true) when the test
// server is missing, skips otherwise.
#define OVIX_REQUIRE_DB()                                                                                    \
    do {                                                                                                     \
        if (!TestServer::configured()) {                                                                     \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                         \
                QFAIL("test database server missing (OVIX_TEST_DB_PORT not set)");                          \
            QSKIP("test database server not configured; run scripts/test.sh");                              \
        }                                                                                                    \
    } while (0)
