#include "querytext.h"

#include "sqltext.h"

namespace {
const QLatin1String kNewLine("\n");

// Index of the first (or, with firstOnly = false, every) line matching
// `keyword`; the line is trimmed first when asked.
QList<qsizetype> MatchingLines(const QStringList& lines, QLatin1String keyword, bool trim, bool firstOnly)
{
    QList<qsizetype> found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = trim ? lines.at(i).trimmed() : lines.at(i);
        if (!line.toUpper().startsWith(keyword))
            continue;
        found.append(i);
        if (firstOnly)
            break;
    }
    return found;
}

QStringList FieldNames(const QString& fields)
{
    QStringList names;
    for (const QString& name : fields.split(QLatin1Char(';'))) {
        if (name.isEmpty() || names.size() == 15)
            break;
        names.append(name);
    }
    return names;
}

// The server's LIKE escape is the backslash; QuoteSql doubles it again for
// the string literal, so "\%" reaches the pattern as an escaped "%".
QString EscapeLikeWildcards(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('%'), QLatin1String("\\%"));
    s.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return s;
}

// "(f1 LIKE '%text%') OR (f2 LIKE '%text%') ..."
QString AnyFieldLike(const QStringList& names, const QString& text)
{
    const QString pattern = QuoteSql(QLatin1Char('%') + EscapeLikeWildcards(text) + QLatin1Char('%'));
    QStringList parts;
    for (const QString& name : names)
        parts.append(QLatin1Char('(') + name + QLatin1String(" LIKE ") + pattern + QLatin1Char(')'));
    return parts.join(QLatin1String(" OR "));
}

QString Wrap(const QString& condition, bool withAnd)
{
    return (withAnd ? QLatin1String(" AND (") : QLatin1String("(")) + condition + QLatin1Char(')');
}
} // namespace

QString SetWhere(QStringList& lines, const QString& condition, bool firstOnly)
{
    for (qsizetype i : MatchingLines(lines, QLatin1String("WHERE"), false, firstOnly))
        lines[i] = QLatin1String("WHERE ") + condition;
    return lines.join(kNewLine);
}

QString AppendWhere(QStringList& lines, const QString& condition)
{
    for (qsizetype i : MatchingLines(lines, QLatin1String("WHERE"), true, true)) {
        QString& line = lines[i];
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        if (semicolon < 0) {
            line += condition;
        } else {
            line.remove(semicolon, 1);
            line += condition + QLatin1Char(';');
        }
    }
    return lines.join(kNewLine);
}

QString SetFrom(QStringList& lines, const QString& source)
{
    for (qsizetype i : MatchingLines(lines, QLatin1String("FROM"), true, true))
        lines[i] = QLatin1String("FROM ") + source;
    return lines.join(kNewLine);
}

QString SetOrderBy(QStringList& lines, const QString& order)
{
    for (qsizetype i : MatchingLines(lines, QLatin1String("ORDER"), false, true))
        lines[i] = QLatin1String("ORDER BY ") + order + QLatin1Char(';');
    return lines.join(kNewLine);
}

QString LikeFilter(const QString& fields, const QString& text, bool withAnd)
{
    const QStringList names = FieldNames(fields);
    if (text.isEmpty() || names.isEmpty())
        return QString();
    return Wrap(AnyFieldLike(names, text), withAnd);
}

QString LikeFilterWords(const QString& fields, const QString& text, bool withAnd)
{
    QString words = text;
    words.replace(QLatin1Char(','), QLatin1Char(' '));
    words.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Trimmed, so that leading blanks cannot leave no word and an empty "()".
    words = words.trimmed();
    const QStringList names = FieldNames(fields);
    if (words.isEmpty() || names.isEmpty())
        return QString();
    QStringList groups;
    for (const QString& word : words.split(QLatin1Char(' ')).mid(0, 4)) {
        if (!word.isEmpty())
            groups.append(QLatin1Char('(') + AnyFieldLike(names, word) + QLatin1Char(')'));
    }
    return Wrap(groups.join(QLatin1String(" AND ")), withAnd);
}
