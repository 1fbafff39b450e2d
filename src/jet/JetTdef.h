#pragma once

// Table definitions (TDEF pages) of a Jet 4.0 file. Internal to src/jet.

#include "jet/JetStorage.h"

namespace kovex::jet::format {

// Reads the definition that starts on `page`; throws KovexError on a broken one.
TableLayout readTableLayout(const QByteArray& file, quint32 page, const QString& name);
// The whole definition, unsplit, its first 8 bytes the page header.
QByteArray tableDefinition(const TableLayout& table);
// Writes the definition on its first page and, when longer, on pages taken
// from `pages` (recorded in table.tdefPages).
void writeTableDefinition(TableLayout& table, PageAllocator& pages);
// Puts the row counts of the table and its indexes into its first page.
void writeRowCounts(QByteArray& file, const TableLayout& table);

} // namespace kovex::jet::format
