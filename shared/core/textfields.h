#pragma once

#include <QChar>
#include <QString>

// Fields and numbers inside texts. Positions and field numbers are 1-based.

// Every character of `delimiters` ends a field; two in a row give an empty
// field; a field beyond the last one gives empty text.
QString NthField(const QString& delimiters, const QString& text, int n);
// The trimmed text with only its digits, a leading "-" and the first "," or ".".
QString NumericPart(const QString& text);
// NumericPart as a whole number; 0 when it is not one ("12,5", "1.000", "").
int LenientStrToInt(const QString& text);
// Decimal digits with `fill` put in front up to `width`; longer numbers unchanged.
QString PadNumber(int value, int width, QChar fill);
int InRangeOr(int low, int high, int value, int def);
// The EAN-8 check digit of the first seven digits. Throws OvixError when the
// first seven characters are not all digits.
QString Ean8CheckDigit(const QString& code);
// The first / last n characters; n <= 0 gives empty text, n beyond the length
// the whole text.
QString StrLeft(const QString& text, int n);
QString StrRight(const QString& text, int n);
