#pragma once

#include <QString>
#include <QVariant>

namespace kovex {

class DataModule;
class EventTable;
class MainForm;
class Program;

// Shows the current record of every table object in the lists and fields
// bound to it.
void showTables(MainForm& form, const DataModule& data);

bool isLookupList(const QString& control);
// Makes the record with that key (or at that row of the list) the current
// record of the list's table object; an unknown key moves nothing.
void setLookupKey(Program& p, const QString& lookup, const QString& key);
void setLookupRow(Program& p, const QString& lookup, int row);

// The number behind a field bound to the antenna table, as stored.
QVariant antennaColumnValue(const Program& p, const QString& column);

void dblAntennaTypeEnter(Program& p);
void dblAntennaRmkEnter(Program& p);
void dblAntennaTypeClick(Program& p);
void dblAntennaRmkClick(Program& p);

void bindReferenceHandlers(EventTable& events);

} // namespace kovex
