#include "DatabaseChecks.h"

#include "ScenarioFailure.h"
#include "ScenarioScript.h"
#include "TextChecks.h"
#include "jet/JetCheck.h"
#include "jet/JetDatabase.h"
#include "support/KovexError.h"
#include "tools/jetsql/JetSql.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <functional>

namespace kovex::scenario {

namespace {

// The rows a statement gives, values joined by "|".
QStringList queryRows(const QSqlDatabase& db, const QString& sql, QString& failure) {
    QStringList rows;
    QSqlQuery query(db);
    if (!query.exec(sql))
        failure = query.lastError().text();
    while (failure.isEmpty() && query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << sqliteText(query.value(i));
        rows << values.join('|');
    }
    return rows;
}

bool isJetFile(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(19).mid(4) == "Standard Jet DB";
}

// The Jet file's bytes, once its structure is found sound, indexes and usage
// maps included, which no SQL and no other reader looks at.
QByteArray soundJetBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail("a readable file named " + fileName);
    QByteArray bytes = file.readAll();
    const std::vector<QString> faults = jet::structuralFaults(bytes);
    if (!faults.empty())
        fail("a sound Jet file " + fileName + ", found " + quoted(faults.front()));
    return bytes;
}

// A Jet file is queried as SQLite: its tables are copied into a database in
// memory, and, when `writeBack`, written back as Jet after the statement.
void onJetFile(const QString& fileName, const QSqlDatabase& db, bool writeBack, QString& failure,
               const std::function<void()>& statement) {
    const QByteArray bytes = soundJetBytes(fileName);
    try {
        jetsql::loadInto(jet::Database::read(bytes), db);
        statement();
        if (writeBack && failure.isEmpty())
            jet::saveFile(jetsql::toJet(db), fileName);
    } catch (const KovexError& error) { // the Jet library's and the SQL's alike
        failure = error.text();
    }
}

QStringList rowsOnOpenDatabase(const QString& fileName, const QSqlDatabase& db, const QString& sql,
                               bool writeBack, QString& failure) {
    QStringList rows;
    if (!db.isOpen())
        failure = db.lastError().text();
    else if (isJetFile(fileName))
        onJetFile(fileName, db, writeBack, failure, [&] { rows = queryRows(db, sql, failure); });
    else
        rows = queryRows(db, sql, failure);
    return rows;
}

// Runs a statement on a database file of the working directory; gives the
// rows of a query, values joined by "|".
QStringList sqlRows(const QString& fileName, const QString& sql, bool writeBack = false) {
    if (!QFileInfo::exists(fileName))
        fail("a database file named " + fileName);
    const QString connection = QUuid::createUuid().toString();
    QStringList rows;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(isJetFile(fileName) ? QStringLiteral(":memory:") : fileName);
        db.open();
        rows = rowsOnOpenDatabase(fileName, db, sql, writeBack, failure);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        fail("SQL that runs, found " + failure);
    return rows;
}

// What mdb-export writes of the table, line by line.
QStringList mdbExportLines(const QString& fileName, const QString& table) {
    QProcess exporter;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    exporter.setProcessEnvironment(environment);
    exporter.start(QStringLiteral("mdb-export"), {fileName, table});
    if (!exporter.waitForFinished(60000) || exporter.exitStatus() != QProcess::NormalExit ||
        exporter.exitCode() != 0)
        fail("mdb-export of " + table + " that runs, found " +
             quoted(QString::fromUtf8(exporter.readAllStandardError()).trimmed()));
    QStringList lines = QString::fromUtf8(exporter.readAllStandardOutput()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void runSql(const QString& fileName, const QString& sql) {
    sqlRows(fileName, sql, true);
}

void expectQuery(const QString& fileName, const QString& sql, const QStringList& block) {
    const QStringList expected = plainTexts(block);
    const QStringList found = sqlRows(fileName, sql);
    if (found != expected)
        fail("rows " + quoted(expected.join("\n")) + ", found " + quoted(found.join("\n")));
}

// mdbtools is a reader independent of ours.
void expectMdbExport(const QString& fileName, const QString& table, const QStringList& block) {
    const QStringList expected = plainTexts(block);
    const QStringList found = mdbExportLines(fileName, table);
    if (found != expected)
        fail("exported " + quoted(expected.join("\n")) + ", found " + quoted(found.join("\n")));
}

} // namespace kovex::scenario
