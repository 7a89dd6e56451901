#pragma once

#include <QString>

// Numbers on screen, in reports and exports, with Hungarian conventions
// whatever the machine's locale. Format characters: "0" a digit always shown,
// "#" a digit shown when significant, "." the decimal separator (printed as
// ","), anything else literal. Rounded half away from zero; digits beyond the
// placeholders of the integer part go before the first one; blanks left of
// the first digit are not printed. "### ### ##0": 14650 -> "14 650".
QString FormatFloat(const QString& format, double value);

// A number typed by the operator, with "," or "." as the decimal separator.
// *ok (when given) tells whether the text was a finite number; 0 otherwise.
double ParseOperatorNumber(const QString& text, bool* ok);
