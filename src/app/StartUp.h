#pragma once

#include <QString>

namespace kovex {

class Session;

// The main window's creation and first showing.
void FormCreate(Session& p);
void FormShow(Session& p);

// The headings of the Power, Antenna and Test points pages name the antenna
// they describe.
void TabSheet2Show(Session& p);
void TabSheet3Show(Session& p);
void TabSheet4Show(Session& p);
void btnCloseClick(Session& p);
void mnuNewCaseClick(Session& p);

} // namespace kovex
