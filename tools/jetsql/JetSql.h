#pragma once

#include "jet/JetDatabase.h"

#include <QString>
#include <vector>

class QSqlDatabase;

// A Jet database seen as SQLite and back, for the tools that build the
// access template and for the tests that query and edit Jet files with SQL.
// Each Jet column type has one SQL type name, the one Jet's own SQL uses
// for it: INTEGER (long integer), DOUBLE, YESNO, TEXT(n) and LONGTEXT
// (memo). SQLite keeps declared type names as written, so a table read back
// from SQLite has the Jet types it was given.
namespace kovex::jetsql {

struct Failure {
    QString message;
};

QString sqlTypeName(const jet::ColumnDef& column);
// The Jet column of an SQL column; throws Failure naming the table and the
// column for a type without one.
jet::ColumnDef jetColumn(const QString& table, const QString& name, const QString& sqlType);

// The user tables of `db` in the order they were created, with a primary
// key where the table has one on an INTEGER column; throws Failure.
std::vector<jet::TableDef> schemaOf(const QSqlDatabase& db);

// A Jet database holding the tables and rows of `db`; throws Failure, and
// KovexError for a value the Jet table refuses.
jet::Database toJet(const QSqlDatabase& db);

// Creates every table of `jet` in the empty database `db` and copies its
// rows; throws Failure.
void loadInto(const jet::Database& jet, const QSqlDatabase& db);

} // namespace kovex::jetsql
