#include "model/StringGrid.h"

namespace kovex {

void StringGrid::resize(int columns, int rows) {
    m_columns = columns;
    m_rows = rows;
    m_cells.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), QString());
    m_columnWidths.assign(static_cast<std::size_t>(columns), 64);
    m_rowHeights.assign(static_cast<std::size_t>(rows), 18);
    m_changes.bump();
}

bool StringGrid::contains(int column, int row) const {
    return column >= 0 && column < m_columns && row >= 0 && row < m_rows;
}

QString StringGrid::cell(int column, int row) const {
    return contains(column, row) ? m_cells[static_cast<std::size_t>(index(column, row))] : QString();
}

void StringGrid::setCell(int column, int row, const QString& text) {
    if (!contains(column, row))
        return;
    QString& cell = m_cells[static_cast<std::size_t>(index(column, row))];
    if (cell == text)
        return;
    cell = text;
    m_changes.bump();
}

int StringGrid::columnWidth(int column) const {
    return column >= 0 && column < m_columns ? m_columnWidths[static_cast<std::size_t>(column)] : 0;
}

void StringGrid::setColumnWidth(int column, int pixels) {
    if (column >= 0 && column < m_columns)
        m_columnWidths[static_cast<std::size_t>(column)] = pixels;
}

int StringGrid::rowHeight(int row) const {
    return row >= 0 && row < m_rows ? m_rowHeights[static_cast<std::size_t>(row)] : 0;
}

void StringGrid::setRowHeight(int row, int pixels) {
    if (row >= 0 && row < m_rows)
        m_rowHeights[static_cast<std::size_t>(row)] = pixels;
}

} // namespace kovex
