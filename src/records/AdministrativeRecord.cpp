#include "records/AdministrativeRecord.h"

#include "model/ControlNames.h"
#include "refdata/Session.h"
#include "support/AsciiText.h"

namespace kovex {

namespace {

void upperCaseField(Session& p, const QString& name) {
    p.form1.setText(name, UpperCaseAscii(p.form1.text(name)));
}

// The personal address doubles as the antenna location while the box is
// checked; it is copied only when the personal field is left, so the antenna
// fields stay free to edit afterwards.
void upperCaseAndCopyToLocation(Session& p, const QString& field, const QString& locationField) {
    upperCaseField(p, field);
    if (p.form1.checked(ui::chkAntLocationPersonnalAddress))
        p.form1.setText(locationField, p.form1.text(field));
}

} // namespace

void showCoordinateForm(MainForm& f, CoordinateSystem system) {
    const bool wgs84 = system == CoordinateSystem::WGS84;
    f.setChecked(ui::rdbWGS84, wgs84);
    f.setChecked(ui::rdbLambert, !wgs84);
    f.setVisible(ui::edtLambertX, !wgs84);
    f.setVisible(ui::edtLambertY, !wgs84);
    for (ControlName name :
         {ui::edtLONdeg, ui::edtLONmin, ui::edtLONsec, ui::edtLATdeg, ui::edtLATmin, ui::edtLATsec})
        f.setVisible(name, wgs84);
}

void edtNameExit(Session& p) {
    upperCaseField(p, ui::edtName);
}
void edtFirstNameExit(Session& p) {
    upperCaseField(p, ui::edtFirstName);
}
void edtAddressExit(Session& p) {
    upperCaseAndCopyToLocation(p, ui::edtAddress, ui::edtAntAddress);
}
void edtZipCodeExit(Session& p) {
    upperCaseAndCopyToLocation(p, ui::edtZipCode, ui::edtAntZipCode);
}
void edtCityExit(Session& p) {
    upperCaseAndCopyToLocation(p, ui::edtCity, ui::edtAntCity);
}
void edtAntAddressExit(Session& p) {
    upperCaseField(p, ui::edtAntAddress);
}
void edtAntCityExit(Session& p) {
    upperCaseField(p, ui::edtAntCity);
}

void edtCallsignExit(Session& p) {
    upperCaseField(p, ui::edtCallsign);
    setFileNamesFromCallsign(p);
}

void rdbLambertClick(Session& p) {
    showCoordinateForm(p.form1, CoordinateSystem::Lambert);
}
void rdbWGS84Click(Session& p) {
    showCoordinateForm(p.form1, CoordinateSystem::WGS84);
}

void chkOtherOperatorClick(Session& p) {
    p.form1.setVisible(ui::edtOtherOperator, p.form1.checked(ui::chkOtherOperator));
}

void rdbExistingSiteClick(Session& p) {
    p.form1.setChecked(ui::rdbExistingSite, true);
    p.form1.setChecked(ui::rdbNewSite, false);
}

void rdbNewSiteClick(Session& p) {
    p.form1.setChecked(ui::rdbNewSite, true);
    p.form1.setChecked(ui::rdbExistingSite, false);
}

void rdgLanguageClick(Session& p) {
    p.form1.setItemIndex(ui::cmbLanguage, p.form1.itemIndex(ui::rdgLanguage));
}

void setHelpLanguage(Session& p, int language) {
    if (p.form1.itemIndex(ui::rdgLanguage) == language)
        return;
    p.form1.setItemIndex(ui::rdgLanguage, language);
    rdgLanguageClick(p);
}

void setFileNamesFromCallsign(Session& p) {
    MainForm& f = p.form1;
    f.values.AccessFileName = f.text(ui::edtCallsign) + "_kovex.mdb";
    f.values.ReportFileName = f.text(ui::edtCallsign) + "_report.txt";
    f.setText(ui::btnSaveMDB, "Save " + f.values.AccessFileName + " and " + f.values.ReportFileName);
}

} // namespace kovex
