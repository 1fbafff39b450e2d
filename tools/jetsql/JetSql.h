#pragma once

#include "jet/JetDatabase.h"
#include "tools/common/BuildError.h"

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

QString sqlTypeName(const jet::ColumnDef& column);
// The Jet column of an SQL column; throws BuildError naming the table and the
// column for a type without one.
jet::ColumnDef jetColumn(const QString& table, const QString& name, const QString& sqlType);

// The user tables of `db` in the order they were created, with a primary
// key where the table has one on an INTEGER column; throws BuildError.
std::vector<jet::TableDef> schemaOf(const QSqlDatabase& db);

// A Jet database holding the tables and rows of `db`; throws BuildError, and
// the Jet library's KovexError for a value the Jet table refuses.
jet::Database toJet(const QSqlDatabase& db);

// Creates every table of `jet` in the empty database `db` and copies its
// rows; throws BuildError.
void loadInto(const jet::Database& jet, const QSqlDatabase& db);

} // namespace kovex::jetsql
