#include "tools/jetsql/JetSql.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace kovex::jetsql {

namespace {

QString quotedName(const QString& name) {
    return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

[[noreturn]] void fail(const QString& message) {
    throw BuildError{message};
}

QSqlQuery run(const QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement))
        fail(statement.section('(', 0, 0).simplified() + ": " + query.lastError().text());
    return query;
}

QStringList tableNames(const QSqlDatabase& db) {
    QSqlQuery query = run(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                             "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

jet::TableDef tableOf(const QSqlDatabase& db, const QString& name) {
    jet::TableDef table{name, {}, -1};
    QSqlQuery info = run(db, "PRAGMA table_info(" + quotedName(name) + ")");
    while (info.next()) {
        const QString column = info.value(1).toString();
        table.columns.push_back(jetColumn(name, column, info.value(2).toString()));
        if (info.value(5).toInt() == 0)
            continue;
        if (table.primaryKey >= 0)
            fail("table " + name + ": a primary key of several columns");
        if (table.columns.back().type != jet::ColumnType::Long)
            fail("table " + name + ": the primary key " + column + " is no INTEGER column");
        table.primaryKey = static_cast<int>(table.columns.size()) - 1;
    }
    return table;
}

jet::Value jetValue(const jet::TableDef& table, const jet::ColumnDef& column, const QVariant& value) {
    if (value.isNull())
        return std::monostate{};
    switch (column.type) {
    case jet::ColumnType::Long: {
        const qlonglong number = value.toLongLong();
        if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
            fail("table " + table.name + ", column " + column.name + ": " + value.toString() +
                 " is no long integer");
        return static_cast<qint32>(number);
    }
    case jet::ColumnType::Double:
        return value.toDouble();
    case jet::ColumnType::Boolean:
        return value.toLongLong() != 0;
    case jet::ColumnType::Text:
    case jet::ColumnType::Memo:
        return value.toString();
    }
    return std::monostate{};
}

// An empty text stays a text: Qt binds a null string as NULL.
QVariant sqlValue(const jet::Value& value) {
    if (const auto* number = std::get_if<qint32>(&value))
        return *number;
    if (const auto* number = std::get_if<double>(&value))
        return *number;
    if (const auto* yes = std::get_if<bool>(&value))
        return *yes ? 1 : 0;
    if (const auto* text = std::get_if<QString>(&value))
        return text->isNull() ? QStringLiteral("") : *text;
    return {};
}

QString createStatement(const jet::TableDef& table) {
    QStringList columns;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        QString column = quotedName(table.columns[i].name) + ' ' + sqlTypeName(table.columns[i]);
        if (static_cast<int>(i) == table.primaryKey)
            column += QStringLiteral(" PRIMARY KEY");
        columns << column;
    }
    return "CREATE TABLE " + quotedName(table.name) + " (" + columns.join(", ") + ")";
}

void copyRows(const jet::Database& jet, const jet::TableDef& table, const QSqlDatabase& db) {
    const std::vector<jet::Row> rows = jet.rows(table.name);
    if (rows.empty())
        return;
    const QString marks =
        QStringList(static_cast<qsizetype>(table.columns.size()), QStringLiteral("?")).join(", ");
    QSqlQuery insert(db);
    if (!insert.prepare("INSERT INTO " + quotedName(table.name) + " VALUES (" + marks + ")"))
        fail("INSERT INTO " + table.name + ": " + insert.lastError().text());
    for (const jet::Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            insert.bindValue(static_cast<int>(i), sqlValue(row[i]));
        if (!insert.exec())
            fail("INSERT INTO " + table.name + ": " + insert.lastError().text());
    }
}

} // namespace

QString sqlTypeName(const jet::ColumnDef& column) {
    switch (column.type) {
    case jet::ColumnType::Long:
        return QStringLiteral("INTEGER");
    case jet::ColumnType::Double:
        return QStringLiteral("DOUBLE");
    case jet::ColumnType::Boolean:
        return QStringLiteral("YESNO");
    case jet::ColumnType::Text:
        return QStringLiteral("TEXT(%1)").arg(column.maxChars);
    case jet::ColumnType::Memo:
        return QStringLiteral("LONGTEXT");
    }
    return {};
}

jet::ColumnDef jetColumn(const QString& table, const QString& name, const QString& sqlType) {
    const QString type = sqlType.simplified().toUpper().remove(' ');
    if (type == QLatin1String("INTEGER") || type == QLatin1String("LONG"))
        return {name, jet::ColumnType::Long};
    if (type == QLatin1String("DOUBLE") || type == QLatin1String("FLOAT"))
        return {name, jet::ColumnType::Double};
    if (type == QLatin1String("YESNO") || type == QLatin1String("BIT"))
        return {name, jet::ColumnType::Boolean};
    if (type == QLatin1String("LONGTEXT") || type == QLatin1String("MEMO"))
        return {name, jet::ColumnType::Memo};
    static const QRegularExpression text(QStringLiteral("^TEXT\\(([0-9]{1,3})\\)$"));
    const QRegularExpressionMatch match = text.match(type);
    if (match.hasMatch()) {
        const int length = match.captured(1).toInt();
        if (length >= 1 && length <= 255)
            return {name, jet::ColumnType::Text, length};
    }
    fail("table " + table + ", column " + name + ": the type \"" + sqlType +
         "\" is none of INTEGER, DOUBLE, YESNO, TEXT(1 to 255) and LONGTEXT");
}

std::vector<jet::TableDef> schemaOf(const QSqlDatabase& db) {
    std::vector<jet::TableDef> tables;
    for (const QString& name : tableNames(db))
        tables.push_back(tableOf(db, name));
    return tables;
}

jet::Database toJet(const QSqlDatabase& db) {
    const std::vector<jet::TableDef> tables = schemaOf(db);
    jet::Database jet = jet::Database::create(tables);
    for (const jet::TableDef& table : tables) {
        std::vector<jet::Row> rows;
        QSqlQuery query = run(db, "SELECT * FROM " + quotedName(table.name));
        while (query.next()) {
            jet::Row row;
            for (std::size_t i = 0; i < table.columns.size(); ++i)
                row.push_back(jetValue(table, table.columns[i], query.value(static_cast<int>(i))));
            rows.push_back(std::move(row));
        }
        if (!rows.empty())
            jet.replaceRows(table.name, rows);
    }
    return jet;
}

void loadInto(const jet::Database& jet, const QSqlDatabase& db) {
    QSqlDatabase connection = db;
    if (!connection.transaction())
        fail("begin: " + connection.lastError().text());
    for (const jet::TableDef& table : jet.tables()) {
        run(db, createStatement(table));
        copyRows(jet, table, db);
    }
    if (!connection.commit())
        fail("commit: " + connection.lastError().text());
}

} // namespace kovex::jetsql
