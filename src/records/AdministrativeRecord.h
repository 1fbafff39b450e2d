#pragma once

namespace kovex {

class MainForm;
class Program;

// Which coordinate edits the page shows; the texts of the hidden ones stay,
// and they are validated and written all the same.
enum class CoordinateSystem { Lambert, WGS84 };
void showCoordinateForm(MainForm& f, CoordinateSystem system);

// Leaving a field of the administrative page.
void edtNameExit(Program& p);
void edtFirstNameExit(Program& p);
void edtAddressExit(Program& p);
void edtZipCodeExit(Program& p);
void edtCityExit(Program& p);
void edtCallsignExit(Program& p);
void edtAntAddressExit(Program& p);
void edtAntCityExit(Program& p);

// The radio pairs and the other-operators box.
void rdbLambertClick(Program& p);
void rdbWGS84Click(Program& p);
void chkOtherOperatorClick(Program& p);
void rdbExistingSiteClick(Program& p);
void rdbNewSiteClick(Program& p);

} // namespace kovex
