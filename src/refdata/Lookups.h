#pragma once

#include <QString>
#include <QVariant>

namespace kovex {

class DataModule;
class MainForm;
class Session;

// Shows the current record of every table object in the lists and fields
// bound to it.
void showTables(MainForm& form, const DataModule& data);

// Makes the record with that key (or at that row of the list) the current
// record of the list's table object; an unknown key moves nothing.
void setLookupKey(Session& p, const QString& lookup, const QString& key);
void setLookupRow(Session& p, const QString& lookup, int row);
// The key of the record the list shows; empty when it shows none.
QString lookupKey(const Session& p, const QString& lookup);

// The number behind a field bound to the antenna table, as stored.
QVariant antennaColumnValue(const Session& p, const QString& column);

// A value of the current record of a table object that no real antenna or
// cable has (a gain over 60 or under -60 dBi, a negative attenuation), most
// likely a typing error in the database: throws naming the record and the
// column.
void checkCurrentRecord(const Session& p, const QString& tableObject);

void dblAntennaTypeEnter(Session& p);
void dblAntennaRmkEnter(Session& p);
void dblAntennaTypeClick(Session& p);
void dblAntennaRmkClick(Session& p);

} // namespace kovex
