#pragma once

#include <QDate>

int DateYear(QDate date);
int DateMonth(QDate date);
// ISO 8601: weeks start on Monday, week 1 holds the year's first Thursday.
int DateWeek(QDate date);
