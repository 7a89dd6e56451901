#include "datagrid.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <cmath>

namespace {

// Paints each cell's background in its column's colour unless the model
// gives the cell a background of its own.
class ColumnColorDelegate : public QStyledItemDelegate
{
public:
    explicit ColumnColorDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(Qt::BackgroundRole).isValid())
            option->backgroundBrush = m_grid->columnColor(index.column());
    }

private:
    DataGrid* m_grid;
};

int ColumnWidth(double fraction, int available, WidthRounding rounding)
{
    const double width = fraction * available;
    return static_cast<int>(rounding == WidthRounding::Truncate ? std::trunc(width) : std::nearbyint(width));
}

} // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ColumnColorDelegate(this));
}

QColor DataGrid::columnColor(int column) const
{
    return m_columnColors.value(column, palette().color(QPalette::Base));
}

void DataGrid::setColumnColor(int column, const QColor& color)
{
    m_columnColors.insert(column, color);
    viewport()->update();
}

void DataGrid::resetColumnColors()
{
    m_columnColors.clear();
    viewport()->update();
}

QString DataGrid::fieldName(int column) const
{
    if (!model())
        return QString();
    const QVariant named = model()->headerData(column, Qt::Horizontal, FieldNameRole);
    if (named.isValid())
        return named.toString();
    if (const auto* query = qobject_cast<const QSqlQueryModel*>(model()))
        return query->record().fieldName(column);
    return QString();
}

void DataGrid::setColumnFractions(const QList<double>& fractions, WidthRounding rounding, int margin)
{
    m_fractions = fractions;
    m_rounding = rounding;
    m_margin = margin;
    applyColumnFractions();
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    applyColumnFractions();
}

void DataGrid::applyColumnFractions()
{
    const int available = width() - m_margin;
    for (int column = 0; column < m_fractions.size(); ++column)
        setColumnWidth(column, qMax(0, ColumnWidth(m_fractions.at(column), available, m_rounding)));
}

QColor HighlightColor()
{
    return QColor(255, 255, 185);
}

void HighlightColumn(DataGrid* grid, int column)
{
    grid->resetColumnColors();
    grid->setColumnColor(column, HighlightColor());
}

void HighlightFieldColumn(DataGrid* grid, const QString& fieldName)
{
    grid->resetColumnColors();
    if (fieldName.isEmpty())
        return;
    const int columns = grid->model() ? grid->model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        if (grid->fieldName(column) == fieldName)
            grid->setColumnColor(column, HighlightColor());
    }
}

void SetColumnFractions(DataGrid* grid, const QList<double>& fractions, WidthRounding rounding, int margin)
{
    grid->setColumnFractions(fractions, rounding, margin);
}
