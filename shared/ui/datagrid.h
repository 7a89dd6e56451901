#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QTableView>

// Header data role (horizontal) under which an in-memory model tells the field
// name a column is bound to. Query models give theirs from the record.
constexpr int FieldNameRole = Qt::UserRole + 100;

enum class WidthRounding { Truncate, HalfEven };

// The read-only, whole-row grid of every list window. Each column has its own
// background colour; a column without one shows the window colour.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    QColor columnColor(int column) const;
    void setColumnColor(int column, const QColor& color);
    void resetColumnColors();

    // The field the column shows, or empty text when the model does not say.
    QString fieldName(int column) const;

    // Column widths as fractions of (width - margin), applied now and on
    // every resize. Columns beyond the list keep their width.
    void setColumnFractions(const QList<double>& fractions, WidthRounding rounding, int margin);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColumnFractions();

    QHash<int, QColor> m_columnColors;
    QList<double> m_fractions;
    WidthRounding m_rounding = WidthRounding::Truncate;
    int m_margin = 0;
};

// Light yellow: the sort column of every list.
QColor HighlightColor();

// Every column gets the window colour, then the given one HighlightColor.
void HighlightColumn(DataGrid* grid, int column);
// Every column bound to exactly that field name (case-sensitive) gets
// HighlightColor, all others the window colour.
void HighlightFieldColumn(DataGrid* grid, const QString& fieldName);

void SetColumnFractions(DataGrid* grid, const QList<double>& fractions,
                        WidthRounding rounding = WidthRounding::Truncate, int margin = 44);
