#include "records/AdministrativeRecord.h"

#include "Program.h"
#include "StartUp.h"

namespace kovex {

namespace {

void upperCaseField(Program& p, const char* field) {
    const QString name = QString::fromLatin1(field);
    p.form1.setText(name, UpperCaseAscii(p.form1.text(name)));
}

// The personal address doubles as the antenna location while the box is
// checked; it is copied only when the personal field is left, so the antenna
// fields stay free to edit afterwards.
void upperCaseAndCopyToLocation(Program& p, const char* field, const char* locationField) {
    upperCaseField(p, field);
    if (p.form1.checked(QStringLiteral("chkAntLocationPersonnalAddress")))
        p.form1.setText(QString::fromLatin1(locationField), p.form1.text(QString::fromLatin1(field)));
}

} // namespace

void showCoordinateForm(MainForm& f, CoordinateSystem system) {
    const bool wgs84 = system == CoordinateSystem::WGS84;
    f.setChecked(QStringLiteral("rdbWGS84"), wgs84);
    f.setChecked(QStringLiteral("rdbLambert"), !wgs84);
    f.setVisible(QStringLiteral("edtLambertX"), !wgs84);
    f.setVisible(QStringLiteral("edtLambertY"), !wgs84);
    for (const char* name : {"edtLONdeg", "edtLONmin", "edtLONsec", "edtLATdeg", "edtLATmin", "edtLATsec"})
        f.setVisible(QString::fromLatin1(name), wgs84);
}

void edtNameExit(Program& p) {
    upperCaseField(p, "edtName");
}
void edtFirstNameExit(Program& p) {
    upperCaseField(p, "edtFirstName");
}
void edtAddressExit(Program& p) {
    upperCaseAndCopyToLocation(p, "edtAddress", "edtAntAddress");
}
void edtZipCodeExit(Program& p) {
    upperCaseAndCopyToLocation(p, "edtZipCode", "edtAntZipCode");
}
void edtCityExit(Program& p) {
    upperCaseAndCopyToLocation(p, "edtCity", "edtAntCity");
}
void edtAntAddressExit(Program& p) {
    upperCaseField(p, "edtAntAddress");
}
void edtAntCityExit(Program& p) {
    upperCaseField(p, "edtAntCity");
}

void edtCallsignExit(Program& p) {
    upperCaseField(p, "edtCallsign");
    setFileNamesFromCallsign(p);
}

void rdbLambertClick(Program& p) {
    showCoordinateForm(p.form1, CoordinateSystem::Lambert);
}
void rdbWGS84Click(Program& p) {
    showCoordinateForm(p.form1, CoordinateSystem::WGS84);
}

void chkOtherOperatorClick(Program& p) {
    p.form1.setVisible(QStringLiteral("edtOtherOperator"),
                       p.form1.checked(QStringLiteral("chkOtherOperator")));
}

void rdbExistingSiteClick(Program& p) {
    p.form1.setChecked(QStringLiteral("rdbExistingSite"), true);
    p.form1.setChecked(QStringLiteral("rdbNewSite"), false);
}

void rdbNewSiteClick(Program& p) {
    p.form1.setChecked(QStringLiteral("rdbNewSite"), true);
    p.form1.setChecked(QStringLiteral("rdbExistingSite"), false);
}

} // namespace kovex
