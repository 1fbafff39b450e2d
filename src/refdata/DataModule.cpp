#include "refdata/DataModule.h"

#include "support/KovexError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <cmath>
#include <stdexcept>

namespace kovex {

namespace {

// A named pipe or a device would hold the start-up for ever, so only a
// regular file (or a link to one) is opened; a missing one is left to the
// engine, which names it.
void refuseIrregularFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw KovexError(info.fileName() + " is not a regular file, so it was not opened.");
}

// Reads a whole table, read-only: the program never writes a reference file,
// and a missing file must not be created empty.
RefTable readTable(const QString& path, const QString& table) {
    refuseIrregularFile(path);
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
                    row.reserve(static_cast<std::size_t>(record.count()));
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

// A column the program reads that the table lacks would leave a field
// empty without a word (an antenna without its type is saved as none).
void requireColumns(const RefTable& table, const QString& fileName, const QStringList& columns) {
    for (const QString& column : columns)
        if (table.columnIndex(column) < 0)
            throw KovexError(fileName + " has no column \"" + column + "\", so it was not opened.");
}

const QStringList& cableColumns() {
    static const QStringList columns{QStringLiteral("Numéro"), QStringLiteral("cable"), QStringLiteral("As")};
    return columns;
}

const QStringList& patternColumns() {
    static const QStringList columns = [] {
        QStringList all{QStringLiteral("Numéro"), QStringLiteral("TYPE"), QStringLiteral("RMK")};
        for (int angle = 0; angle <= 90; angle += 10)
            all << QStringLiteral("V%1").arg(angle, 2, 10, QLatin1Char('0'));
        all << QStringLiteral("VBACK") << QStringLiteral("V ANGLE") << QStringLiteral("POL");
        return all;
    }();
    return columns;
}

// An infinite or undefined number is never shown nor computed with: it is
// left empty, and named with its record and column.
QStringList emptyNonFiniteNumbers(RefTable& table, const QString& fileName) {
    QStringList problems;
    const int key = table.columnIndex(QStringLiteral("Numéro"));
    for (int row = 0; row < table.rowCount(); ++row) {
        auto& values = table.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < table.columns.size(); ++column) {
            QVariant& value = values[static_cast<std::size_t>(column)];
            if (value.typeId() != QMetaType::Double || std::isfinite(value.toDouble()))
                continue;
            const QString record =
                key < 0 ? QString::number(row + 1) : columnValueText(table.value(row, table.columns[key]));
            problems << fileName + ", record " + record + ", column \"" + table.columns[column] +
                            "\": the number is not finite and was left empty.";
            value = QVariant();
        }
    }
    return problems;
}

void openCursor(TableCursor& cursor, const RefTable& table) {
    cursor.table = &table;
    cursor.row = table.rowCount() > 0 ? 0 : -1;
}

} // namespace

// The tables open with their faulty numbers left empty; those are reported
// once both are open, so that the program goes on with them.
void DataModule::open(const QString& folder) {
    const QString cableFile = QStringLiteral("cableloss.mdb");
    const QString patternFile = QStringLiteral("ant.mdb");
    RefTable cables = readTable(QDir(folder).filePath(cableFile), QStringLiteral("cable"));
    requireColumns(cables, cableFile, cableColumns());
    QStringList problems = emptyNonFiniteNumbers(cables, cableFile);
    cableTable = std::move(cables);
    for (const char* name : {"feederCable1", "feederCable2", "feederCable3"})
        openCursor(cursor(QString::fromLatin1(name)), cableTable);
    RefTable patterns = readTable(QDir(folder).filePath(patternFile), QStringLiteral("PATTERN"));
    requireColumns(patterns, patternFile, patternColumns());
    problems << emptyNonFiniteNumbers(patterns, patternFile);
    patternTable = std::move(patterns);
    openCursor(cursor(QStringLiteral("antennaPattern")), patternTable);
    dialogFolder = folder;
    if (!problems.isEmpty())
        throw KovexError(problems.join(QLatin1Char('\r')));
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
