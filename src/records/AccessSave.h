#pragma once

#include <QByteArray>
#include <QString>

namespace kovex {

class Session;

// Copies a file byte for byte in blocks of 2048 bytes, replacing the
// destination; every open, read, write and close is checked and a failure
// throws its input/output error. Returns the bytes copied.
QByteArray CopyFileInBlocks(const QString& source, const QString& destination);

// The eight "File" tables and the three "DefaultAntenna" tables, written
// on the open access connection of the data module.
void WriteFileTables(Session& p);
void WriteDefaultAntennaTables(Session& p);

// Saves the access file for the regulator and the report of the case, both
// named after the callsign, all or nothing: the files of an earlier save
// stay as they were unless both new ones are complete.
void btnSaveMDBClick(Session& p);

} // namespace kovex
