#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kovex {

// A reference table read once into memory; it is never written back.
struct RefTable {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;

    int columnIndex(const QString& column) const { return static_cast<int>(columns.indexOf(column)); }
    int rowCount() const { return static_cast<int>(rows.size()); }
    // The row whose key column holds the key, or -1.
    int findKey(const QString& keyColumn, const QString& key) const;
    QVariant value(int row, const QString& column) const;
};

// A table object: one table with its own current record.
struct TableCursor {
    const RefTable* table = nullptr;
    int row = -1;

    bool isOpen() const { return table != nullptr; }
    bool hasRecord() const { return table && row >= 0 && row < table->rowCount(); }
    QVariant value(const QString& column) const {
        return hasRecord() ? table->value(row, column) : QVariant();
    }
};

// How a column value is shown in a field: numbers in their shortest decimal
// form, texts as they stand, an empty value as an empty text.
QString columnValueText(const QVariant& value);

} // namespace kovex
