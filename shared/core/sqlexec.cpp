#include "sqlexec.h"

#include "errors.h"
#include "sqltext.h"

#include <QSqlError>

namespace {
void EnsureOpen(QSqlDatabase& db)
{
    if (db.isOpen())
        return;
    if (!db.isValid())
        throw SqlError(QStringLiteral("Nincs adatbázis kapcsolat."), 0);
    if (!db.open()) {
        const QSqlError err = db.lastError();
        throw SqlError(err.databaseText().isEmpty() ? err.text() : err.databaseText(),
                       err.nativeErrorCode().toInt());
    }
}

[[noreturn]] void Raise(const QSqlQuery& q)
{
    const QSqlError err = q.lastError();
    throw SqlError(err.databaseText().isEmpty() ? err.text() : err.databaseText(),
                   err.nativeErrorCode().toInt());
}

// First column of the first row; nullopt-like: `found` false when no row.
QVariant FirstValue(const QString& query, QSqlDatabase db, bool& found)
{
    QSqlQuery q = OpenQuery(query, db);
    found = q.next();
    return found ? q.value(0) : QVariant();
}

int Part(const QString& text, int from, int length, bool& ok)
{
    return text.mid(from, length).toInt(&ok);
}
} // namespace

QSqlQuery OpenQuery(const QString& query, QSqlDatabase db)
{
    EnsureOpen(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(query))
        Raise(q);
    return q;
}

void ExecSql(const QString& statement, QSqlDatabase db)
{
    if (statement.trimmed().isEmpty())
        return;
    EnsureOpen(db);
    QSqlQuery q(db);
    if (!q.exec(UnescapeCrLf(statement)))
        Raise(q);
}

int SqlTextToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QDateTime SqlTextToDateTime(const QString& text)
{
    QDate date;
    QTime time(0, 0);
    if (text.length() > 9) {
        bool okY = false, okM = false, okD = false;
        const int y = Part(text, 0, 4, okY), m = Part(text, 5, 2, okM), d = Part(text, 8, 2, okD);
        if (okY && okM && okD && y > 0 && m > 0 && d > 0)
            date = QDate(y, m, d);
        const QString t = text.mid(11);
        if (t.length() > 7) {
            bool okH = false, okN = false, okS = false;
            int h = Part(t, 0, 2, okH), n = Part(t, 3, 2, okN), s = Part(t, 6, 2, okS);
            if (!okH || h >= 24 || h < 0)
                h = 0;
            if (!okN || n >= 60 || n < 0)
                n = 0;
            if (!okS || s >= 60 || s < 0)
                s = 0;
            time = QTime(h, n, s);
        }
    }
    if (!date.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

int SqlInt(const QString& query, int defaultValue, QSqlDatabase db)
{
    bool found = false;
    const QVariant v = FirstValue(query, db, found);
    if (!found)
        return defaultValue;
    if (v.isNull())
        return 0;
    return SqlTextToInt(v.toString());
}

QString SqlStr(const QString& query, const QString& defaultValue, QSqlDatabase db)
{
    bool found = false;
    const QVariant v = FirstValue(query, db, found);
    if (!found)
        return defaultValue;
    if (v.isNull())
        return QString(QLatin1String(""));
    return v.toString();
}

QDateTime SqlDateTime(const QString& query, const QDateTime& defaultValue, QSqlDatabase db)
{
    bool found = false;
    const QVariant v = FirstValue(query, db, found);
    if (!found)
        return defaultValue;
    if (v.isNull())
        return QDateTime();
    // The driver hands typed values; turn them into the server's text form.
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
        return SqlTextToDateTime(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QDate:
        return SqlTextToDateTime(v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    default:
        return SqlTextToDateTime(v.toString());
    }
}

int NextId(const QString& column, const QString& table, QSqlDatabase db)
{
    const QString t = table.isEmpty() ? column : table;
    return SqlInt(QStringLiteral("SELECT MAX(%1) AS maxid FROM %2;").arg(column, t), 0, db) + 1;
}

QString NameById(const QString& table, int key, const QString& defaultValue, QSqlDatabase db)
{
    return SqlStr(QStringLiteral("SELECT %1_nev FROM %1 WHERE %1=%2;").arg(table).arg(key), defaultValue, db);
}

QString NameByCode(const QString& key, const QString& table, const QString& defaultValue, QSqlDatabase db)
{
    // Full quoting: with quote doubling alone a key ending in a backslash
    // would escape the closing quote.
    return SqlStr(QStringLiteral("SELECT %1_nev FROM %1 WHERE %1=%2;").arg(table, QuoteSql(key)), defaultValue, db);
}
