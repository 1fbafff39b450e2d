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

#include "RefSource.h"
#include "tools/common/ToolFiles.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

using mkrefdb::BuildError;
using mkrefdb::Column;
using mkrefdb::ColumnKind;

constexpr auto connectionName = "mkrefdb";

struct Options {
    QString table;
    QStringList textColumns;
    QString source;
    QString output;
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

mkrefdb::RefSource readSource(const Options& options) {
    return mkrefdb::parseSource(kovex::toolfiles::readBytes(options.source), options.source,
                                options.textColumns);
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
    const mkrefdb::RefSource source = readSource(options);

    // The connection lets go of the temporary before it takes the name,
    // and of a failed one before it is removed.
    const auto write = [&](const QString& temporary) {
        try {
            writeDatabase(temporary, options, source.columns, source.rows);
        } catch (...) {
            QSqlDatabase::removeDatabase(connectionName);
            throw;
        }
        QSqlDatabase::removeDatabase(connectionName);
    };
    kovex::toolfiles::saveBy(options.output, write);
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
    } catch (const kovex::KovexError& error) {
        printError(error.text());
        return 1;
    }
    return 0;
}
