#include "textfields.h"

#include "errors.h"

#include <algorithm>

namespace {
bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

QString NthField(const QString& delimiters, const QString& text, int n)
{
    int field = 1;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !delimiters.contains(text.at(i)))
            continue;
        if (field == n)
            return text.mid(start, i - start);
        ++field;
        start = i + 1;
    }
    return QString();
}

QString NumericPart(const QString& text)
{
    const QString trimmed = text.trimmed();
    QString result;
    bool separatorSeen = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (IsDigit(c) || (c == QLatin1Char('-') && i == 0)) {
            result += c;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !separatorSeen) {
            separatorSeen = true;
            result += c;
        }
    }
    return result;
}

int LenientStrToInt(const QString& text)
{
    bool ok = false;
    const int value = NumericPart(text).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString PadNumber(int value, int width, QChar fill)
{
    return QString::number(value).rightJustified(width, fill);
}

int InRangeOr(int low, int high, int value, int def)
{
    return (low <= value && value <= high) ? value : def;
}

QString Ean8CheckDigit(const QString& code)
{
    const QString digits = code.left(7);
    if (digits.size() < 7 || !std::all_of(digits.begin(), digits.end(), IsDigit))
        throw OvixError(QStringLiteral("A(z) \"%1\" nem alakítható EAN-8 kóddá: "
                                       "az első hét karakternek számjegynek kell lennie.")
                            .arg(code));
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += digits.at(i).digitValue() * (i % 2 == 0 ? 3 : 1);
    return QString::number((10 - sum % 10) % 10);
}

QString StrLeft(const QString& text, int n)
{
    return n <= 0 ? QString() : text.left(n);
}

QString StrRight(const QString& text, int n)
{
    return n <= 0 ? QString() : text.right(n);
}
