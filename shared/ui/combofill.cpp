#include "combofill.h"

#include "sqlexec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>

void FillComboFromSql(QComboBox* combo, const QString& query, const QString& firstItem, QSqlDatabase db)
{
    // Read everything first so that a failing query leaves the items as they were.
    QStringList items;
    if (!firstItem.isEmpty())
        items << firstItem;
    QSqlQuery rows = OpenQuery(query, db);
    while (rows.next())
        items << (rows.isNull(0) ? QString() : rows.value(0).toString());

    combo->clear();
    combo->addItems(items);
    if (!combo->isEditable() && combo->count() > 0)
        combo->setCurrentIndex(0);
}

void FirstKeyUpper(QWidget* edit, QChar& typed)
{
    QString text;
    if (const auto* line = qobject_cast<QLineEdit*>(edit))
        text = line->text();
    else if (const auto* combo = qobject_cast<QComboBox*>(edit); combo && combo->isEditable())
        text = combo->currentText();
    else
        return;
    if (text.isEmpty())
        typed = typed.toUpper();
}
