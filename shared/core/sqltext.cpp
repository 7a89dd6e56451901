#include "sqltext.h"

#include <QRegularExpression>

QString EscapeSql(const QString& value)
{
    QString s = value;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return s;
}

QString QuoteSql(const QString& value)
{
    QString s = EscapeSql(value);
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString UnescapeCrLf(const QString& value)
{
    QString s = value;
    s.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    return s;
}

QString EscapeLine(const QString& value)
{
    QString s = value;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    s.remove(QLatin1Char('\n'));
    return s;
}

QString ReplaceChar(const QString& value, QChar a, QChar b)
{
    QString s = value;
    s.replace(a, b);
    return s;
}

QString RemoveChars(const QString& characters, const QString& text)
{
    QString s = text;
    for (QChar c : characters)
        s.remove(c);
    return s;
}

QString DateToSql(bool usForm, const QDate& date)
{
    const QString text = date.toString(usForm ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("yyyy-MM-dd"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString FloatToSql(double number)
{
    // 'g' with 15 digits gives the shortest form up to 15 significant digits;
    // large or tiny values use an exponent, which SQL reads as well.
    return QString::number(number, 'g', 15);
}
