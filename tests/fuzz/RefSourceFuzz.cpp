// The reference-database source reader on any bytes, with the text columns
// of the shipped tables: it returns or throws BuildError with a message that
// names the source and a line of it, and what it returns is a table the
// database can take which, written out as a source again, reads back the
// same.

#include "FuzzCheck.h"

#include "RefSource.h"

#include <QByteArray>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using mkrefdb::ColumnKind;
using mkrefdb::RefSource;

const QString kSourceName = QStringLiteral("fuzz.csv");

void checkRow(const std::vector<mkrefdb::Column>& columns, const std::vector<QVariant>& row) {
    require(row.size() == columns.size(), "one value per column");
    for (std::size_t i = 0; i < row.size(); ++i) {
        const QVariant& value = row[i];
        switch (columns[i].kind) {
        case ColumnKind::Key:
            require(value.typeId() == QMetaType::LongLong && !value.isNull(), "the key is a whole number",
                    value.toString());
            break;
        case ColumnKind::Text:
            require(value.typeId() == QMetaType::QString && (value.isNull() || !value.toString().isEmpty()),
                    "a text is a text, NULL when empty");
            break;
        case ColumnKind::Real:
            require(value.typeId() == QMetaType::Double &&
                        (value.isNull() || std::isfinite(value.toDouble())),
                    "a number is finite or NULL", value.toString());
            break;
        }
    }
}

// A failure names the source, and the line when it is one line's fault.
void checkMessage(const QString& message, const QByteArray& bytes) {
    const QString prefix = kSourceName + QLatin1Char(':');
    require(message.startsWith(prefix), "a message names the source", message);
    if (message.startsWith(prefix + QLatin1Char(' ')))
        return;
    bool isNumber = false;
    const int line = message.mid(prefix.size()).section(QLatin1Char(':'), 0, 0).toInt(&isNumber);
    require(isNumber && line >= 1 && line <= bytes.count('\n') + 1, "a message names a line of the source",
            message);
}

QString fieldText(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    // The shortest text that reads back to the same double.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value.toDouble()).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// The table as a source of its own. The reader drops a CR before each LF, so
// one is written; an empty line first keeps a first column name that starts
// with U+FEFF from being taken for a byte-order mark.
QByteArray sourceText(const RefSource& source) {
    QStringList names;
    for (const mkrefdb::Column& column : source.columns)
        names << column.name;
    QStringList lines{names.join(QLatin1Char(';'))};
    for (const std::vector<QVariant>& row : source.rows) {
        QStringList fields;
        for (const QVariant& value : row)
            fields << fieldText(value);
        lines << fields.join(QLatin1Char(';'));
    }
    return "\r\n" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.typeId() != b.typeId() || a.isNull() != b.isNull())
        return false;
    if (a.typeId() == QMetaType::Double)
        return a.isNull() ||
               (a.toDouble() == b.toDouble() && std::signbit(a.toDouble()) == std::signbit(b.toDouble()));
    return a == b;
}

bool sameTable(const RefSource& a, const RefSource& b) {
    if (a.columns.size() != b.columns.size() || a.rows.size() != b.rows.size())
        return false;
    for (std::size_t i = 0; i < a.columns.size(); ++i)
        if (a.columns[i].name != b.columns[i].name || a.columns[i].kind != b.columns[i].kind)
            return false;
    for (std::size_t r = 0; r < a.rows.size(); ++r)
        for (std::size_t i = 0; i < a.columns.size(); ++i)
            if (!sameValue(a.rows[r][i], b.rows[r][i]))
                return false;
    return true;
}

void checkSource(const QByteArray& bytes, const QStringList& textColumns) {
    RefSource source;
    try {
        source = mkrefdb::parseSource(bytes, kSourceName, textColumns);
    } catch (const mkrefdb::BuildError& error) {
        checkMessage(error.text(), bytes);
        return;
    }
    require(!source.columns.empty() && source.columns.front().kind == ColumnKind::Key, "the key comes first");
    for (std::size_t i = 0; i < source.rows.size(); ++i) {
        checkRow(source.columns, source.rows[i]);
        if (i > 0)
            require(source.rows[i][0].toLongLong() > source.rows[i - 1][0].toLongLong(), "keys ascend");
    }

    const QByteArray written = sourceText(source);
    try {
        require(sameTable(mkrefdb::parseSource(written, kSourceName, textColumns), source),
                "a table written as a source reads back the same", QString::fromUtf8(written));
    } catch (const mkrefdb::BuildError& error) {
        require(false, "a table written as a source reads back", error.text());
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
