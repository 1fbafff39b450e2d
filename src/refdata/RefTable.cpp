#include "refdata/RefTable.h"

#include "support/NumberText.h"

namespace kovex {

int RefTable::findKey(const QString& keyColumn, const QString& key) const {
    const int column = columnIndex(keyColumn);
    if (column < 0)
        return -1;
    for (int row = 0; row < rowCount(); ++row)
        if (columnValueText(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]) ==
            key.trimmed())
            return row;
    return -1;
}

QVariant RefTable::value(int row, const QString& column) const {
    const int index = columnIndex(column);
    if (row < 0 || row >= rowCount() || index < 0)
        return {};
    return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(index)];
}

QString columnValueText(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return num::shortest(value.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    default:
        return value.toString();
    }
}

} // namespace kovex
