#pragma once

#include "connection.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// SQL execution helpers. Every one works on the main connection unless a
// connection is passed in, opens it first when it is closed, and throws
// SqlError with the server's message on failure.

void ExecSql(const QString& statement, QSqlDatabase db = MainConnection());
int SqlInt(const QString& query, int defaultValue, QSqlDatabase db = MainConnection());
QString SqlStr(const QString& query, const QString& defaultValue, QSqlDatabase db = MainConnection());
// An invalid QDateTime stands for "0 (no date)".
QDateTime SqlDateTime(const QString& query, const QDateTime& defaultValue, QSqlDatabase db = MainConnection());

// MAX(column)+1 of the table (the column's name when table is empty). Only a
// proposal: nothing is reserved. New rows take their key from LAST_INSERT_ID().
int NextId(const QString& column, const QString& table = QString(), QSqlDatabase db = MainConnection());
QString NameById(const QString& table, int key, const QString& defaultValue, QSqlDatabase db = MainConnection());
QString NameByCode(const QString& key, const QString& table, const QString& defaultValue,
                   QSqlDatabase db = MainConnection());

// Runs a query that returns rows; the caller reads them. Throws like the rest.
QSqlQuery OpenQuery(const QString& query, QSqlDatabase db = MainConnection());

// The conversion table of the scalar reads, for a value that is not NULL.
int SqlTextToInt(const QString& text);
QDateTime SqlTextToDateTime(const QString& text);
