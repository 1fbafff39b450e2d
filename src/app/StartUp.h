#pragma once

#include <QString>

namespace kovex {

class EventTable;
class Program;

// The main window's creation and first showing.
void FormCreate(Program& p);
void FormShow(Program& p);

// The help language of the Start page, 0 French, 1 Dutch, 2 German,
// 3 English; every change runs rdgLanguageClick, so the correspondence
// language follows it.
void setHelpLanguage(Program& p, int language);
void rdgLanguageClick(Program& p);

// The help language guessed from the user's language: its native name's
// first four letters, upper-cased.
int helpLanguageFromNativeName(const QString& nativeName);

QString UpperCaseAscii(const QString& text);

// The access and report file names and the caption of the button that
// writes them, from the callsign as it stands.
void setFileNamesFromCallsign(Program& p);

void bindStartUpHandlers(EventTable& events);

} // namespace kovex
