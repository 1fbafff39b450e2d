#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace kovex {

class MainForm;
class Session;

// The text file that keeps the test points and the administrative record
// between runs: Windows-1252, CR LF after every line, each value behind a key
// of fixed width.
namespace tpai {

// The keys of test-point slot k (1..12), 14 characters each.
QString descriptionKey(int k);
QString heightKey(int k);
QString distanceKey(int k);
QString wallTypeKey(int k);

struct Line {
    QString text;
    // The field whose text the line carries, as the user knows it; empty for
    // the tags.
    QString field;
};

// The lines of the file for the form as it stands, in the order written.
std::vector<Line> fileLines(const MainForm& f, const QString& dateStamp);

// The bytes of the file. A field holding a line break or a character that
// Windows-1252 lacks cannot be read back as it stands, so it is refused with
// an error naming it.
QByteArray fileBytes(const std::vector<Line>& lines);

// The date and time of the date line, in the user's short formats but with
// the digits and names of no particular locale.
QString dateStamp(const QDateTime& now, const QString& dateFormat, const QString& timeFormat);

// Every key found anywhere in the line replaces the text of the control it
// names; the order and the tags of the file do not matter. A wall type that
// is no whole number throws the conversion error, leaving what was read.
// Gives the number of keys found.
int readLine(MainForm& f, QStringView line);
// The lines of a whole file, ended by CR LF, a bare LF or a bare CR; gives
// the number of keys found in all of them.
int readBytes(MainForm& f, const QByteArray& bytes);

// A name that stays inside the working directory, that both Windows and
// Linux accept, that is not hidden and that Windows-1252 can hold.
bool isAllowedFileName(const QString& name);
// The one rule for every file named after the callsign: a callsign of
// blanks only or a name refused above throws "Invalid filename".
void checkFileName(const QString& callsign, const QString& name);

} // namespace tpai

// Writes callsign + "_tpai.txt" in the working directory.
void WriteTpaiFile(Session& p);
// Reads the file the user picks; false when the dialog was cancelled. The
// window changes only once the whole file has been read without failure
// and found to hold at least one key.
bool ReadTpaiFile(Session& p);

} // namespace kovex
