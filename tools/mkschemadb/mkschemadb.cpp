// mkschemadb: builds an empty database from a schema text.
//
//   mkschemadb SCHEMA OUTPUT
//
// SCHEMA is UTF-8 SQL: statements each ended by ";", comments from "--" to
// the end of the line. A statement may hold no ";" and no "--" of its own:
// the text is split on them, as the statements of a schema need neither.
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

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr auto connectionName = "mkschemadb";

struct BuildError {
    QString message;
};

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BuildError{path + ": " + file.errorString()};
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError())
        throw BuildError{path + ": not valid UTF-8"};
    QStringList parts = withoutComments(text).split(QLatin1Char(';'));
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

void writeDatabase(const QString& path, const QStringList& statements) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    check(db.open(), path, db.lastError());
    QSqlQuery query(db);
    check(db.transaction(), QStringLiteral("begin"), db.lastError());
    for (const QString& statement : statements)
        check(query.exec(statement), statement.section(QLatin1Char('('), 0, 0).simplified(),
              query.lastError());
    check(db.commit(), QStringLiteral("commit"), db.lastError());
    query.finish();
    db.close();
}

void build(const QString& schema, const QString& output) {
    const QStringList statements = readStatements(schema);
    const std::filesystem::path target(output.toStdU16String());
    std::filesystem::path partial = target;
    partial += ".part";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    try {
        writeDatabase(QString::fromStdU16String(partial.u16string()), statements);
    } catch (const BuildError&) {
        QSqlDatabase::removeDatabase(connectionName);
        std::filesystem::remove(partial, ignored);
        throw;
    }
    QSqlDatabase::removeDatabase(connectionName);
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::filesystem::remove(partial, ignored);
        throw BuildError{output + ": " + QString::fromStdString(error.message())};
    }
}

void printError(const QString& text) {
    std::fputs(("mkschemadb: " + text + '\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        printError(QStringLiteral("usage: mkschemadb SCHEMA OUTPUT"));
        return 2;
    }
    try {
        build(args[1], args[2]);
    } catch (const BuildError& error) {
        printError(error.message);
        return 1;
    }
    return 0;
}
