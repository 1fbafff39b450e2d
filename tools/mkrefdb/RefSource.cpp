#include "RefSource.h"

#include "support/WholeFile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace mkrefdb {

namespace {

struct SourceLine {
    int number;
    QString text;
};

// The non-empty lines of the source, numbered from 1 for the messages, decoded
// as UTF-8 whatever the process locale is.
std::vector<SourceLine> sourceLines(QByteArray bytes, const QString& name) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const std::optional<QString> decoded = kovex::wholefile::utf8Text(bytes);
    if (!decoded)
        throw BuildError{name + ": not valid UTF-8"};
    const QString& text = *decoded;

    std::vector<SourceLine> lines;
    const QStringList split = text.split('\n');
    for (qsizetype i = 0; i < split.size(); ++i) {
        QString line = split[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.push_back({static_cast<int>(i + 1), line});
    }
    if (lines.empty())
        throw BuildError{name + ": empty source"};
    return lines;
}

QString where(const QString& name, int line) {
    return name + ":" + QString::number(line) + ": ";
}

std::vector<Column> readHeader(const QString& name, const QStringList& textColumns,
                               const SourceLine& header) {
    const QStringList names = header.text.split(';');
    std::vector<Column> columns;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& column = names[i];
        if (column.isEmpty() || names.indexOf(column) != i)
            throw BuildError{where(name, header.number) + "empty or repeated column name \"" + column + "\""};
        const ColumnKind kind = i == 0                         ? ColumnKind::Key
                                : textColumns.contains(column) ? ColumnKind::Text
                                                               : ColumnKind::Real;
        columns.push_back({column, kind});
    }
    for (const QString& text : textColumns) {
        if (!names.mid(1).contains(text))
            throw BuildError{where(name, header.number) + "no text column \"" + text + "\" after the key"};
    }
    return columns;
}

template <typename Number> std::optional<Number> parseNumber(const QString& field) {
    const QByteArray utf8 = field.toUtf8();
    const char* const end = utf8.constData() + utf8.size();
    Number value{};
    const auto [stop, error] = std::from_chars(utf8.constData(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

QVariant fieldValue(const Column& column, const QString& field) {
    switch (column.kind) {
    case ColumnKind::Key:
        if (const auto key = parseNumber<qlonglong>(field))
            return *key;
        break;
    case ColumnKind::Text:
        return field.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(field);
    case ColumnKind::Real:
        if (field.isEmpty())
            return QVariant(QMetaType::fromType<double>());
        if (const auto value = parseNumber<double>(field); value && std::isfinite(*value))
            return *value;
        break;
    }
    throw BuildError{
        "column \"" + column.name + "\": \"" + field + "\" is not " +
        (column.kind == ColumnKind::Key ? "a whole number" : "a number with '.' as decimal separator")};
}

std::vector<QVariant> readRow(const std::vector<Column>& columns, const QString& line) {
    const QStringList fields = line.split(';');
    if (fields.size() != static_cast<qsizetype>(columns.size()))
        throw BuildError{QString::number(fields.size()) + " fields for " + QString::number(columns.size()) +
                         " columns"};
    std::vector<QVariant> values;
    for (std::size_t i = 0; i < columns.size(); ++i)
        values.push_back(fieldValue(columns[i], fields[static_cast<qsizetype>(i)]));
    return values;
}

std::vector<std::vector<QVariant>> readRows(const QString& name, const std::vector<Column>& columns,
                                            const std::vector<SourceLine>& lines) {
    std::vector<std::vector<QVariant>> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        try {
            rows.push_back(readRow(columns, lines[i].text));
            if (rows.size() > 1 && rows.back()[0].toLongLong() <= rows[rows.size() - 2][0].toLongLong())
                throw BuildError{"key " + rows.back()[0].toString() + " does not follow key " +
                                 rows[rows.size() - 2][0].toString() + " in ascending order"};
        } catch (const BuildError& error) {
            throw BuildError{where(name, lines[i].number) + error.text()};
        }
    }
    return rows;
}

} // namespace

RefSource parseSource(const QByteArray& bytes, const QString& name, const QStringList& textColumns) {
    const std::vector<SourceLine> lines = sourceLines(bytes, name);
    RefSource source;
    source.columns = readHeader(name, textColumns, lines.front());
    source.rows = readRows(name, source.columns, lines);
    return source;
}

} // namespace mkrefdb
