#pragma once

// The system tables of a new Jet 4.0 database, as Jet itself lays them out,
// and the layouts of new user tables. Internal to src/jet.

#include "jet/JetFormat.h"

namespace kovex::jet::format {

constexpr qint32 TablesContainer = 0x0F000001;
constexpr qint32 DatabasesContainer = 0x0F000002;
constexpr qint32 RelationshipsContainer = 0x0F000003;
constexpr qint32 ContainersParent = 0x0F000000;
constexpr qint32 DatabaseObject = 0x10000000;
constexpr quint32 FirstUserTdef = 6;

// MSysObjects, MSysACEs, MSysQueries and MSysRelationships on pages 2 to 5;
// their map and index pages are left for the writer to place.
std::vector<TableLayout> systemTables();
TableLayout userTable(const TableDef& def, quint32 tdefPage);

// The catalog rows of a new database whose user tables have these names and
// definition pages, and their access-control rows.
std::vector<CellRow> catalogRows(const std::vector<std::pair<QString, quint32>>& userTables, double now);
std::vector<CellRow> accessRows(const std::vector<CellRow>& catalog);

// Throws KovexError on a schema Jet cannot hold or this library cannot write.
void checkSchema(const std::vector<TableDef>& schema);

} // namespace kovex::jet::format
