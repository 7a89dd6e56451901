#include "numberformat.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
bool IsPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

// The "0" and "#" characters of the format, in order.
QString Placeholders(const QString& format)
{
    QString result;
    std::copy_if(format.begin(), format.end(), std::back_inserter(result), IsPlaceholder);
    return result;
}

struct Digits
{
    QString integer;  // no leading zeros, empty for zero
    QString fraction; // exactly the asked number of decimals
};

// |value| rounded half away from zero to `decimals` places. Works on the 15
// significant digits a double holds, so 2.675 rounds to 2.68 as it reads.
Digits RoundedDigits(double value, int decimals)
{
    const QString e = QString::number(std::fabs(value), 'e', 14); // "d.dddddddddddddde±x"
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    QString digits = e.left(1) + e.mid(2, ePos - 2);
    qsizetype pointPos = e.mid(ePos + 1).toInt() + 1; // digits before the decimal point
    if (pointPos < 0) {
        digits.prepend(QString(-pointPos, QLatin1Char('0')));
        pointPos = 0;
    }
    const qsizetype keep = pointPos + decimals;
    const bool roundUp = digits.size() > keep && digits.at(keep) >= QLatin1Char('5');
    digits = digits.left(keep).leftJustified(keep, QLatin1Char('0'));
    if (roundUp) {
        qsizetype i = keep - 1;
        for (; i >= 0 && digits.at(i) == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i >= 0) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
        } else {
            digits.prepend(QLatin1Char('1'));
            ++pointPos;
        }
    }
    QString integer = digits.left(pointPos);
    const qsizetype firstSignificant = integer.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    integer = firstSignificant < 0 ? QString() : integer.mid(firstSignificant);
    return {integer, digits.mid(pointPos)};
}

// The integer part of the format filled with `digits`. Placeholders take the
// digits from the right; a "0" placeholder shows a zero for itself and every
// placeholder to its right; surplus digits go at the leftmost placeholder.
// `sign` is put before the first digit printed.
QString FormatInteger(const QString& format, const QString& digits, const QString& sign, bool* digitPrinted)
{
    const QString placeholderChars = Placeholders(format);
    const qsizetype placeholders = placeholderChars.size();
    const qsizetype firstZero = placeholderChars.indexOf(QLatin1Char('0'));
    const qsizetype forced = firstZero < 0 ? 0 : placeholders - firstZero;
    const qsizetype shown = std::max(digits.size(), forced);
    const QString padded = digits.rightJustified(shown, QLatin1Char('0'));
    const qsizetype surplus = std::max<qsizetype>(0, shown - placeholders);

    QString result;
    *digitPrinted = false;
    auto print = [&](const QString& text) {
        if (text.isEmpty())
            return;
        if (!*digitPrinted)
            result += sign;
        *digitPrinted = true;
        result += text;
    };
    qsizetype j = 0; // placeholder index from the left
    for (QChar c : format) {
        if (!IsPlaceholder(c)) {
            if (*digitPrinted || c != QLatin1Char(' '))
                result += c;
            continue;
        }
        if (j == 0)
            print(padded.left(surplus));
        const qsizetype fromRight = placeholders - 1 - j;
        if (fromRight < shown)
            print(padded.mid(shown - 1 - fromRight, 1));
        ++j;
    }
    return result;
}

// The fraction part: "0" placeholders always show their digit, "#" ones only
// up to the last significant digit. The separator is printed when a digit is.
QString FormatFraction(const QString& format, const QString& digits)
{
    const QString placeholderChars = Placeholders(format);
    const qsizetype lastZero = placeholderChars.lastIndexOf(QLatin1Char('0'));
    const qsizetype lastSignificant = digits.lastIndexOf(QRegularExpression(QStringLiteral("[1-9]")));
    const qsizetype shown = std::max(lastZero, lastSignificant) + 1;

    QString result = shown > 0 ? QStringLiteral(",") : QString();
    qsizetype j = 0;
    for (QChar c : format) {
        if (!IsPlaceholder(c)) {
            result += c;
            continue;
        }
        if (j < shown)
            result += digits.at(j);
        ++j;
    }
    return result;
}
} // namespace

QString FormatFloat(const QString& format, double value)
{
    if (!std::isfinite(value) || Placeholders(format).isEmpty())
        return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));

    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QString integerFormat = point < 0 ? format : format.left(point);
    const QString fractionFormat = point < 0 ? QString() : format.mid(point + 1);
    const int decimals = static_cast<int>(Placeholders(fractionFormat).size());

    const Digits digits = RoundedDigits(value, decimals);
    // No "-0" for a value that rounds to zero.
    const bool zero =
        digits.integer.isEmpty() && !digits.fraction.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const QString sign = value < 0 && !zero ? QStringLiteral("-") : QString();

    bool digitPrinted = false;
    const QString integer = FormatInteger(integerFormat, digits.integer, sign, &digitPrinted);
    const QString fraction = point < 0 ? QString() : FormatFraction(fractionFormat, digits.fraction);
    return (digitPrinted ? QString() : sign) + integer + fraction;
}

double ParseOperatorNumber(const QString& text, bool* ok)
{
    bool parsed = false;
    double value = QString(text.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&parsed);
    parsed = parsed && std::isfinite(value);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}
