#pragma once

#include <QDate>
#include <QString>

// Escaping and quoting of texts for SQL statements. A NULL database value is
// passed as a null QString and treated as empty text.

// Backslashes doubled, then CR -> \r and LF -> \n.
QString EscapeSql(const QString& value);
// EscapeSql, inner single quotes doubled, enclosed in single quotes. Never NULL.
QString QuoteSql(const QString& value);
// Every \r\n (four characters, any letter case) becomes a real CR LF.
QString UnescapeCrLf(const QString& value);
// Backslashes doubled, CR -> \n, LF removed: the text fits on one line.
QString EscapeLine(const QString& value);
QString ReplaceChar(const QString& value, QChar a, QChar b);
QString RemoveChars(const QString& characters, const QString& text);

// 'yyyy-mm-dd' (or 'mm/dd/yyyy' in US form), quoted.
QString DateToSql(bool usForm, const QDate& date);
// Up to 15 significant digits, no thousands separators, '.' as decimal point.
QString FloatToSql(double number);
