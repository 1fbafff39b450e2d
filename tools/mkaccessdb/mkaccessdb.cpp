// mkaccessdb: builds an empty Jet 4.0 database from a schema text.
//
//   mkaccessdb SCHEMA OUTPUT
//
// SCHEMA is UTF-8 SQL: statements each ended by ";", comments from "--" to
// the end of the line. A statement may hold no ";" and no "--" of its own:
// the text is split on them, as the statements of a schema need neither.
//
// The column types are those of Jet's own SQL: INTEGER (long integer),
// DOUBLE, YESNO, TEXT(n) and LONGTEXT (memo); INTEGER PRIMARY KEY gives the
// table its primary key.
//
// OUTPUT is written whole or not at all: a failed run leaves the previous
// OUTPUT, or none, never a half-built file.

#include "tools/common/BuildError.h"
#include "tools/common/ToolFiles.h"
#include "tools/jetsql/JetSql.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

constexpr auto connectionName = "mkaccessdb";

using kovex::BuildError;

QString withoutComments(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const qsizetype comment = line.indexOf(QLatin1String("--"));
        if (comment >= 0)
            line.truncate(comment);
    }
    return lines.join(QLatin1Char('\n'));
}

// The statements of the schema in order; the text after the last ";" must
// be blank, so that a statement missing its end is not silently dropped.
QStringList readStatements(const QString& path) {
    QStringList parts = withoutComments(kovex::toolfiles::readUtf8(path)).split(QLatin1Char(';'));
    if (!parts.takeLast().trimmed().isEmpty())
        throw BuildError{path + ": the last statement does not end with \";\""};
    QStringList statements;
    for (const QString& part : parts) {
        if (part.trimmed().isEmpty())
            throw BuildError{path + ": an empty statement"};
        statements << part.trimmed();
    }
    if (statements.isEmpty())
        throw BuildError{path + ": no statement"};
    return statements;
}

void check(bool ok, const QString& step, const QSqlError& error) {
    if (!ok)
        throw BuildError{step + ": " + error.text()};
}

// The statements run on a database in memory, which is then written out as
// Jet tables with the types of Jet's own SQL that the statements name.
kovex::jet::Database jetDatabase(const QStringList& statements) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(QStringLiteral(":memory:"));
    check(db.open(), QStringLiteral("memory"), db.lastError());
    QSqlQuery query(db);
    for (const QString& statement : statements)
        check(query.exec(statement), statement.section(QLatin1Char('('), 0, 0).simplified(),
              query.lastError());
    query.finish();
    // A value a Jet table refuses fails as the Jet library words it.
    return kovex::jetsql::toJet(db);
}

void build(const QString& schema, const QString& output) {
    const QStringList statements = readStatements(schema);
    const kovex::jet::Database jet = jetDatabase(statements);
    QSqlDatabase::removeDatabase(connectionName);
    try {
        kovex::jet::saveFile(jet, output);
    } catch (const kovex::KovexError& error) {
        throw BuildError{output + ": " + error.text()};
    }
}

void printError(const QString& text) {
    std::fputs(("mkaccessdb: " + text + '\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        printError(QStringLiteral("usage: mkaccessdb SCHEMA OUTPUT"));
        return 2;
    }
    try {
        build(args[1], args[2]);
    } catch (const kovex::KovexError& error) {
        printError(error.text());
        return 1;
    }
    return 0;
}
