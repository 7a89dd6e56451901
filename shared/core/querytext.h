#pragma once

#include <QString>
#include <QStringList>

// Editing of a list query kept as its SQL lines, one clause per line with the
// keyword first. Each changes the matching line in place and returns the lines
// joined with "\n"; nothing changes when no line matches.

// Lines whose upper-case form starts with "WHERE" (no trimming) become
// "WHERE " + condition; with firstOnly just the first of them.
QString SetWhere(QStringList& lines, const QString& condition, bool firstOnly);
// Appends the condition to the first WHERE line (trimmed), before its ";".
QString AppendWhere(QStringList& lines, const QString& condition);
// The first line starting with "FROM" (trimmed) becomes "FROM " + source.
QString SetFrom(QStringList& lines, const QString& source);
// The first line starting with "ORDER" (no trimming) becomes
// "ORDER BY " + order + ";".
QString SetOrderBy(QStringList& lines, const QString& order);

// Search conditions over the ";"-separated field list (at most 15 fields, up
// to the first empty name). The search text matches literally: its LIKE
// wildcards are escaped. Empty text gives an empty condition; withAnd puts
// " AND " in front.

// Any of the fields contains the text.
QString LikeFilter(const QString& fields, const QString& text, bool withAnd);
// Each of up to four words ("," and ";" count as blanks) occurs in one of the
// fields.
QString LikeFilterWords(const QString& fields, const QString& text, bool withAnd);
