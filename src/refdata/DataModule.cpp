#include "refdata/DataModule.h"

#include "support/KovexError.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

namespace kovex {

namespace {

// Reads a whole table, read-only: the program never writes a reference file,
// and a missing file must not be created empty.
RefTable readTable(const QString& path, const QString& table) {
    const QString connection = QUuid::createUuid().toString();
    RefTable result;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table))) {
                failure = query.lastError().text();
            } else {
                const QSqlRecord record = query.record();
                for (int i = 0; i < record.count(); ++i)
                    result.columns << record.fieldName(i);
                while (query.next()) {
                    std::vector<QVariant> row;
                    for (int i = 0; i < record.count(); ++i)
                        row.push_back(query.value(i));
                    result.rows.push_back(std::move(row));
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        throw KovexError(failure);
    return result;
}

void openCursor(TableCursor& cursor, const RefTable& table) {
    cursor.table = &table;
    cursor.row = table.rowCount() > 0 ? 0 : -1;
}

} // namespace

void DataModule::open(const QString& folder) {
    cableTable = readTable(QDir(folder).filePath(QStringLiteral("cableloss.mdb")), QStringLiteral("cable"));
    for (const char* name : {"ADOTable1", "ADOTable2", "ADOTable3"})
        openCursor(cursor(QString::fromLatin1(name)), cableTable);
    patternTable = readTable(QDir(folder).filePath(QStringLiteral("ant.mdb")), QStringLiteral("PATTERN"));
    openCursor(cursor(QStringLiteral("ADOTable4")), patternTable);
    dialogFolder = folder;
}

TableCursor& DataModule::cursor(const QString& tableObject) {
    auto found = m_cursors.find(tableObject);
    if (found == m_cursors.end())
        throw std::logic_error("no table object named " + tableObject.toStdString());
    return found->second;
}

const TableCursor& DataModule::cursor(const QString& tableObject) const {
    return const_cast<DataModule*>(this)->cursor(tableObject);
}

} // namespace kovex
