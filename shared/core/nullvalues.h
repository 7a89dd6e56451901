#pragma once

#include <QString>
#include <QVariant>
#include <type_traits>

// Conversions of database values that may be NULL.

QString NullToStr(const QVariant& value, const QString& def);
int NullToInt(const QVariant& value, int def);
double NullToFloat(const QVariant& value, double def);
// "0" for NULL, else the value as a whole number in decimal digits.
QString NullToIntStr(const QVariant& value);

template <typename A, typename B> std::common_type_t<A, B> IfThenValue(bool condition, const A& a, const B& b)
{
    if (condition)
        return a;
    return b;
}

// The encoding of every yes/no column of the database.
QString BoolToIN(bool value);
