#pragma once

#include "model/ControlNames.h"

namespace kovex {

class MainForm;
class Session;

// Which coordinate edits the page shows; the texts of the hidden ones stay,
// and they are validated and written all the same.
enum class CoordinateSystem { Lambert, WGS84 };
void showCoordinateForm(MainForm& f, CoordinateSystem system);

// The fields of the administrative page upper-cased when left; while the
// personal address is the antenna location, leaving a personal address
// field copies it to its location field too.
struct UpperCasedField {
    ControlName field;
    ControlName location{nullptr};
};
inline constexpr UpperCasedField kUpperCasedFields[]{
    {ui::edtName},
    {ui::edtFirstName},
    {ui::edtAddress, ui::edtAntAddress},
    {ui::edtZipCode, ui::edtAntZipCode},
    {ui::edtCity, ui::edtAntCity},
    {ui::edtAntAddress},
    {ui::edtAntCity},
};
void leaveUpperCasedField(Session& p, const UpperCasedField& field);

// The callsign is upper-cased and names the access and report files.
void takeCallsign(Session& p);
void edtCallsignExit(Session& p);

// The radio pairs and the other-operators box.
void rdbLambertClick(Session& p);
void rdbWGS84Click(Session& p);
void chkOtherOperatorClick(Session& p);
void rdbExistingSiteClick(Session& p);
void rdbNewSiteClick(Session& p);

// The help language of the Start page, 0 French, 1 Dutch, 2 German,
// 3 English; every change runs rdgLanguageClick, so the correspondence
// language follows it.
void setHelpLanguage(Session& p, int language);
void rdgLanguageClick(Session& p);

// The access and report file names and the caption of the button that
// writes them, from the callsign as it stands.
void setFileNamesFromCallsign(Session& p);

} // namespace kovex
