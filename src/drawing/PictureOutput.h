#pragma once

#include <QString>

namespace kovex {

class MainForm;
class Session;

// Said instead of saving or printing an empty picture.
inline const QString kNoDrawingYet = QStringLiteral("There is no drawing yet: click Show Diagram first.");

// Callsign, "_", antenna number (as a number, without the blanks its text
// may have) and ".jpeg": the picture is a Windows bitmap
// all the same.
QString drawingFileName(const MainForm& f);

// Writes the picture of the drawing window to its file in the working
// directory and says so.
void btnSaveDrawingClick(Session& p);
// Prints the picture on one page, landscape unless the page set-up dialog
// says otherwise; the printer keeps the orientation it had.
void btnPrintDrawingClick(Session& p);

} // namespace kovex
