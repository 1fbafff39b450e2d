#include "records/AdministrativeRecord.h"

#include "refdata/Session.h"
#include "support/AsciiText.h"

namespace kovex {

namespace {

void upperCaseField(Session& p, const char* field) {
    const QString name = QString::fromLatin1(field);
    p.form1.setText(name, UpperCaseAscii(p.form1.text(name)));
}

// The personal address doubles as the antenna location while the box is
// checked; it is copied only when the personal field is left, so the antenna
// fields stay free to edit afterwards.
void upperCaseAndCopyToLocation(Session& p, const char* field, const char* locationField) {
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

void edtNameExit(Session& p) {
    upperCaseField(p, "edtName");
}
void edtFirstNameExit(Session& p) {
    upperCaseField(p, "edtFirstName");
}
void edtAddressExit(Session& p) {
    upperCaseAndCopyToLocation(p, "edtAddress", "edtAntAddress");
}
void edtZipCodeExit(Session& p) {
    upperCaseAndCopyToLocation(p, "edtZipCode", "edtAntZipCode");
}
void edtCityExit(Session& p) {
    upperCaseAndCopyToLocation(p, "edtCity", "edtAntCity");
}
void edtAntAddressExit(Session& p) {
    upperCaseField(p, "edtAntAddress");
}
void edtAntCityExit(Session& p) {
    upperCaseField(p, "edtAntCity");
}

void edtCallsignExit(Session& p) {
    upperCaseField(p, "edtCallsign");
    setFileNamesFromCallsign(p);
}

void rdbLambertClick(Session& p) {
    showCoordinateForm(p.form1, CoordinateSystem::Lambert);
}
void rdbWGS84Click(Session& p) {
    showCoordinateForm(p.form1, CoordinateSystem::WGS84);
}

void chkOtherOperatorClick(Session& p) {
    p.form1.setVisible(QStringLiteral("edtOtherOperator"),
                       p.form1.checked(QStringLiteral("chkOtherOperator")));
}

void rdbExistingSiteClick(Session& p) {
    p.form1.setChecked(QStringLiteral("rdbExistingSite"), true);
    p.form1.setChecked(QStringLiteral("rdbNewSite"), false);
}

void rdbNewSiteClick(Session& p) {
    p.form1.setChecked(QStringLiteral("rdbNewSite"), true);
    p.form1.setChecked(QStringLiteral("rdbExistingSite"), false);
}

void rdgLanguageClick(Session& p) {
    p.form1.setItemIndex("cmbLanguage", p.form1.itemIndex("rdgLanguage"));
}

void setHelpLanguage(Session& p, int language) {
    if (p.form1.itemIndex("rdgLanguage") == language)
        return;
    p.form1.setItemIndex("rdgLanguage", language);
    rdgLanguageClick(p);
}

void setFileNamesFromCallsign(Session& p) {
    MainForm& f = p.form1;
    f.AccessFileName = f.text("edtCallsign") + "_kovex.mdb";
    f.ReportFileName = f.text("edtCallsign") + "_report.txt";
    f.setText("btnSaveMDB", "Save " + f.AccessFileName + " and " + f.ReportFileName);
}

} // namespace kovex
