#pragma once

#include "refdata/AccessConnection.h"
#include "refdata/RefTable.h"

#include <QString>
#include <map>

namespace kovex {

class MainForm;

// Owns the reference tables for the whole run and the current record of each
// table object: ADOTable1..ADOTable3 on the cable table (one per feeder
// section) and ADOTable4 on the antenna table.
class DataModule {
  public:
    DataModule() = default;
    // The table cursors point into the tables this module owns.
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    // Opens cableloss.mdb and ant.mdb in `folder`, read-only. Stops at the
    // first step that fails and throws the engine's error text; what opened
    // before stays open.
    void open(const QString& folder);

    TableCursor& cursor(const QString& tableObject);
    const TableCursor& cursor(const QString& tableObject) const;

    // The folder the TPAI dialogs start in.
    QString dialogFolder;

    RefTable cableTable;
    RefTable patternTable;

    // The access file written for the regulator.
    AccessConnection ADOConnection3;

  private:
    std::map<QString, TableCursor> m_cursors{
        {"ADOTable1", {}}, {"ADOTable2", {}}, {"ADOTable3", {}}, {"ADOTable4", {}}};
};

} // namespace kovex
