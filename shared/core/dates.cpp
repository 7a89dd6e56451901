#include "dates.h"

int DateYear(QDate date)
{
    return date.year();
}

int DateMonth(QDate date)
{
    return date.month();
}

int DateWeek(QDate date)
{
    return date.weekNumber();
}
