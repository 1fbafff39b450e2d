#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kovex::jet {

// What is wrong with the structure of a Jet 4.0 file, beyond what readers
// look at: every page has exactly one owner (the header, the global usage
// map, a usage-map page, a table definition, the data or long-value pages
// of a table, an index page, or free in the global map); each data page's
// free-space field and each table's row count are right; every index holds
// one entry a row, sorted, each pointing at the row that holds its key (the
// catalog's own indexes included). Empty when all holds; a file the reader
// refuses gives its message.
std::vector<QString> structuralFaults(const QByteArray& file);

} // namespace kovex::jet
