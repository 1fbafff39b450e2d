#pragma once

#include <QString>
#include <QVariant>
#include <vector>

namespace kovex {

namespace jet {
class Database;
}

class MainForm;

// The tables of the access file for the regulator, filled with one case.
namespace access {

// Every row that stands for the case carries this key.
inline constexpr int kCaseKey = 61;

struct ColumnValue {
    QString column;
    // An int, a double, a bool or a text; a column not listed stays unset.
    QVariant value;
};
using TableRow = std::vector<ColumnValue>;

struct Table {
    QString name;
    std::vector<TableRow> rows;
};

// The rows of the eight "File" tables and of the three "DefaultAntenna"
// tables, in the order they are written, from the form and the summary as
// they stand. A number that does not convert throws the conversion error.
std::vector<Table> fileTables(const MainForm& f);
std::vector<Table> defaultAntennaTables(const MainForm& f);

// Replaces the rows of each table, found with its columns by name in the
// database's own catalog. A table or a column the database lacks, or a
// value its column refuses, throws the database's error; all tables are
// written or none.
void writeTables(jet::Database& db, const std::vector<Table>& tables);

} // namespace access

} // namespace kovex
