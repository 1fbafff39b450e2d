// The reference-database source reader on any bytes, with the text columns
// of the shipped tables: it returns or throws BuildError, and what it returns
// is a table the database can take.

#include "FuzzCheck.h"

#include "RefSource.h"

#include <QByteArray>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using mkrefdb::ColumnKind;

void checkRow(const std::vector<mkrefdb::Column>& columns, const std::vector<QVariant>& row) {
    require(row.size() == columns.size(), "one value per column");
    for (std::size_t i = 0; i < row.size(); ++i) {
        const QVariant& value = row[i];
        switch (columns[i].kind) {
        case ColumnKind::Key:
            require(value.typeId() == QMetaType::LongLong, "the key is a whole number", value.toString());
            break;
        case ColumnKind::Text:
            require(value.isNull() || !value.toString().isEmpty(), "an empty text is NULL");
            break;
        case ColumnKind::Real:
            require(value.isNull() || std::isfinite(value.toDouble()), "a number is finite",
                    value.toString());
            break;
        }
    }
}

void checkSource(const QByteArray& bytes, const QStringList& textColumns) {
    mkrefdb::RefSource source;
    try {
        source = mkrefdb::parseSource(bytes, QStringLiteral("fuzz.csv"), textColumns);
    } catch (const mkrefdb::BuildError& error) {
        require(error.message.startsWith(QStringLiteral("fuzz.csv:")), "a message names the source",
                error.message);
        return;
    }
    require(!source.columns.empty() && source.columns.front().kind == ColumnKind::Key, "the key comes first");
    for (std::size_t i = 0; i < source.rows.size(); ++i) {
        checkRow(source.columns, source.rows[i]);
        if (i > 0)
            require(source.rows[i][0].toLongLong() > source.rows[i - 1][0].toLongLong(), "keys ascend");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkSource(bytes, {});
    checkSource(bytes, {QStringLiteral("cable")});
    checkSource(bytes, {QStringLiteral("TYPE"), QStringLiteral("RMK"), QStringLiteral("DIR"),
                        QStringLiteral("POL"), QStringLiteral("FREQ")});
    return 0;
}
