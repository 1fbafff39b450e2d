#pragma once

#include "model/ChangeCount.h"

#include <QString>
#include <vector>

namespace kovex {

// A table of texts addressed as (column, row), both from 0.
class StringGrid {
  public:
    StringGrid() = default;
    void resize(int columns, int rows);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    bool contains(int column, int row) const;

    // Counts the changes of size and cells, not of column widths and row
    // heights.
    const ChangeCount& changes() const { return m_changes; }

    // Reading outside the grid gives an empty text; writing there is refused.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int pixels);
    int rowHeight(int row) const;
    void setRowHeight(int row, int pixels);

  private:
    int index(int column, int row) const { return row * m_columns + column; }
    int m_columns = 0;
    int m_rows = 0;
    std::vector<QString> m_cells;
    std::vector<int> m_columnWidths;
    std::vector<int> m_rowHeights;
    ChangeCount m_changes;
};

} // namespace kovex
