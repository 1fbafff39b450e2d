// mkrefdb: builds one table of a reference database from its text source.
//
//   mkrefdb --table NAME [--text COLUMN]... SOURCE OUTPUT
//
// SOURCE is UTF-8 text, one row per line, fields separated by ';' (no
// quoting, so a text may not contain ';'). The first line names the columns
// exactly as the table gets them. The first column is the integer key; the
// columns named with --text hold text; every other column holds a number
// written with '.' as decimal separator. An empty field is NULL, except in
// the key. Keys must ascend, so the rows are stored in key order.
//
// OUTPUT is written under a temporary name and renamed only when complete:
// a failed run leaves the previous OUTPUT, or none, never a half-built file.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace {

constexpr auto connectionName = "mkrefdb";

struct BuildError {
    QString message;
};

struct Options {
    QString table;
    QStringList textColumns;
    QString source;
    QString output;
};

enum class ColumnKind { Key, Text, Real };

struct Column {
    QString name;
    ColumnKind kind;
};

struct SourceLine {
    int number;
    QString text;
};

std::optional<Options> parseArguments(const QStringList& args) {
    Options options;
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--table" && i + 1 < args.size()) {
            options.table = args[++i];
        } else if (arg == "--text" && i + 1 < args.size()) {
            options.textColumns << args[++i];
        } else if (arg.startsWith("--")) {
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (options.table.isEmpty() || positional.size() != 2)
        return std::nullopt;
    options.source = positional[0];
    options.output = positional[1];
    return options;
}

// The non-empty lines of the source, numbered from 1 for the messages, decoded
// as UTF-8 whatever the process locale is.
std::vector<SourceLine> readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BuildError{path + ": " + file.errorString()};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw BuildError{path + ": not valid UTF-8"};

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
        throw BuildError{path + ": empty source"};
    return lines;
}

QString where(const Options& options, int line) {
    return options.source + ":" + QString::number(line) + ": ";
}

std::vector<Column> readHeader(const Options& options, const SourceLine& header) {
    const QStringList names = header.text.split(';');
    std::vector<Column> columns;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        if (name.isEmpty() || names.indexOf(name) != i)
            throw BuildError{where(options, header.number) + "empty or repeated column name \"" + name +
                             "\""};
        const ColumnKind kind = i == 0                               ? ColumnKind::Key
                                : options.textColumns.contains(name) ? ColumnKind::Text
                                                                     : ColumnKind::Real;
        columns.push_back({name, kind});
    }
    for (const QString& text : options.textColumns) {
        if (!names.mid(1).contains(text))
            throw BuildError{where(options, header.number) + "no text column \"" + text + "\" after the key"};
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

std::vector<std::vector<QVariant>> readRows(const Options& options, const std::vector<Column>& columns,
                                            const std::vector<SourceLine>& lines) {
    std::vector<std::vector<QVariant>> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        try {
            rows.push_back(readRow(columns, lines[i].text));
            if (rows.size() > 1 && rows.back()[0].toLongLong() <= rows[rows.size() - 2][0].toLongLong())
                throw BuildError{"key " + rows.back()[0].toString() + " does not follow key " +
                                 rows[rows.size() - 2][0].toString() + " in ascending order"};
        } catch (const BuildError& error) {
            throw BuildError{where(options, lines[i].number) + error.message};
        }
    }
    return rows;
}

QString quoted(const QString& identifier) {
    return '"' + QString(identifier).replace('"', "\"\"") + '"';
}

QString createStatement(const QString& table, const std::vector<Column>& columns) {
    QStringList definitions;
    for (const Column& column : columns) {
        const char* type = column.kind == ColumnKind::Key    ? "INTEGER PRIMARY KEY"
                           : column.kind == ColumnKind::Text ? "TEXT"
                                                             : "REAL";
        definitions << quoted(column.name) + ' ' + type;
    }
    return "CREATE TABLE " + quoted(table) + " (" + definitions.join(", ") + ")";
}

QString insertStatement(const QString& table, const std::vector<Column>& columns) {
    QStringList names;
    for (const Column& column : columns)
        names << quoted(column.name);
    const QStringList marks(static_cast<qsizetype>(columns.size()), "?");
    return "INSERT INTO " + quoted(table) + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")";
}

void check(bool ok, const QString& step, const QSqlError& error) {
    if (!ok)
        throw BuildError{step + ": " + error.text()};
}

void writeDatabase(const QString& path, const Options& options, const std::vector<Column>& columns,
                   const std::vector<std::vector<QVariant>>& rows) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
    db.setDatabaseName(path);
    check(db.open(), path, db.lastError());
    QSqlQuery query(db);
    check(query.exec(createStatement(options.table, columns)), "create table", query.lastError());
    check(db.transaction(), "begin", db.lastError());
    check(query.prepare(insertStatement(options.table, columns)), "prepare insert", query.lastError());
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            query.bindValue(static_cast<int>(i), row[i]);
        check(query.exec(), "insert key " + row[0].toString(), query.lastError());
    }
    check(db.commit(), "commit", db.lastError());
    db.close();
}

void build(const Options& options) {
    const std::vector<SourceLine> lines = readSource(options.source);
    const std::vector<Column> columns = readHeader(options, lines.front());
    const auto rows = readRows(options, columns, lines);

    const std::filesystem::path output(options.output.toStdU16String());
    std::filesystem::path partial = output;
    partial += ".part";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    try {
        writeDatabase(QString::fromStdU16String(partial.u16string()), options, columns, rows);
    } catch (const BuildError&) {
        QSqlDatabase::removeDatabase(connectionName);
        std::filesystem::remove(partial, ignored);
        throw;
    }
    QSqlDatabase::removeDatabase(connectionName);
    std::error_code error;
    std::filesystem::rename(partial, output, error);
    if (error) {
        std::filesystem::remove(partial, ignored);
        throw BuildError{options.output + ": " + QString::fromStdString(error.message())};
    }
}

void printError(const QString& text) {
    std::fputs(("mkrefdb: " + text + '\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments());
    if (!options) {
        printError("usage: mkrefdb --table NAME [--text COLUMN]... SOURCE OUTPUT");
        return 2;
    }
    try {
        build(*options);
    } catch (const BuildError& error) {
        printError(error.message);
        return 1;
    }
    return 0;
}
