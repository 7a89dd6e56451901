#pragma once

#include "connection.h"

#include <QChar>
#include <QSqlDatabase>
#include <QString>

class QComboBox;
class QWidget;

// Replaces the items with the first column of every row of the query (NULL
// gives an empty item), after firstItem when that is not empty. A combo
// without free typing then shows its first item. Throws SqlError.
void FillComboFromSql(QComboBox* combo, const QString& query, const QString& firstItem,
                      QSqlDatabase db = MainConnection());

// A character typed into an empty line edit or editable combo box becomes a
// capital.
void FirstKeyUpper(QWidget* edit, QChar& typed);
