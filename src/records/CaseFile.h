#pragma once

#include "records/CaseFormat.h"

namespace kovex {

class MainForm;
class Session;

namespace casefile {

// Marks the controls of the window whose changes are changes of the case.
void markKeptControls(MainForm& f);
// The case as the window holds it.
CaseContent caseOf(const Session& p);
// Puts a read case into the window without computing anything: the pages
// show the inputs of the antenna computed last (those the program started
// with when no antenna is kept), the file names follow the callsign.
void putBackCase(Session& p, const CaseContent& content);

} // namespace casefile

// Remembers the case as the program starts it: a new case, unchanged.
void startNewCase(Session& p);
// True when the case has changed since it was last saved or opened.
bool caseHasUnsavedChanges(const MainForm& f);
// Before the case is left: when it has unsaved changes, asks whether to save
// them, discard them or stay. False when the case should stay (the question
// or the save was cancelled).
bool mayLeaveCase(Session& p);

void mnuOpenCaseClick(Session& p);
// Opens the k-th (1..5) of the cases opened or saved last.
void mnuRecentCaseClick(Session& p, int k);
void mnuSaveCaseClick(Session& p);
void mnuSaveCaseAsClick(Session& p);

} // namespace kovex
