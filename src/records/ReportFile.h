#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace kovex {

class MainForm;
class Session;

// The text report of a whole case that may go with the access file to the
// regulator: Windows-1252, CR LF after every line, each value behind its
// key. Summary cells are copied as they stand; the report formats no
// number of its own.
namespace report {

struct Line {
    QString text;
    // The field or cell the line's value comes from, as the user knows it;
    // empty for the tags and the fixed lines.
    QString field;
};

// The lines of the report for the form as it stands, in the order written.
std::vector<Line> fileLines(const MainForm& f, const QString& dateStamp);

// The bytes of the report. A value holding a line break or a character
// that Windows-1252 lacks would not read back as typed, so it is refused
// with an error naming its field.
QByteArray fileBytes(const std::vector<Line>& lines);

} // namespace report

// Writes the report of the case into the file `fileName`, replacing it.
void WriteReportFile(Session& p, const QString& fileName);

// The two halves of WriteReportFile: the date stamp from the platform's
// clock and locale, and the report of the form with that stamp written,
// which only reads the form and may run beside other readers of it.
QString reportDateStamp(Session& p);
void writeReport(const MainForm& f, const QString& dateStamp, const QString& fileName);

} // namespace kovex
