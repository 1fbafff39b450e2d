#pragma once

// The text source of a reference-database table, read into its columns and
// rows. See mkrefdb.cpp for the format.

#include "tools/common/BuildError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace mkrefdb {

using kovex::BuildError;

enum class ColumnKind { Key, Text, Real };

struct Column {
    QString name;
    ColumnKind kind;
};

struct RefSource {
    std::vector<Column> columns;
    // Each row holds one value per column, keys ascending; NULL for an empty
    // field.
    std::vector<std::vector<QVariant>> rows;
};

// Reads the bytes of the source called `name` in the messages; the columns
// named in `textColumns` hold text. Throws BuildError naming the line.
RefSource parseSource(const QByteArray& bytes, const QString& name, const QStringList& textColumns);

} // namespace mkrefdb
