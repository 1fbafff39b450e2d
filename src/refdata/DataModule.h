#pragma once

#include "refdata/AccessConnection.h"
#include "refdata/RefTable.h"

#include <QString>
#include <map>

namespace kovex {

class MainForm;

// Owns the reference tables for the whole run and the current record of each
// cursor: "feederCable1".."feederCable3" on the cable table (one per feeder
// section, so that each section has its own current record) and
// "antennaPattern" on the antenna table.
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

    // The access file last written for the regulator, kept open after the
    // save until the next one.
    AccessConnection savedAccessFile;

  private:
    std::map<QString, TableCursor> m_cursors{
        {"feederCable1", {}}, {"feederCable2", {}}, {"feederCable3", {}}, {"antennaPattern", {}}};
};

} // namespace kovex
