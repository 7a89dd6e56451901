#include "nullvalues.h"

QString NullToStr(const QVariant& value, const QString& def)
{
    return value.isNull() ? def : value.toString();
}

int NullToInt(const QVariant& value, int def)
{
    return value.isNull() ? def : value.toInt();
}

double NullToFloat(const QVariant& value, double def)
{
    return value.isNull() ? def : value.toDouble();
}

QString NullToIntStr(const QVariant& value)
{
    return QString::number(NullToInt(value, 0));
}

QString BoolToIN(bool value)
{
    return value ? QStringLiteral("I") : QStringLiteral("N");
}
