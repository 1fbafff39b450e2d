#include "records/AdministrativeRecord.h"

#include "model/ControlNames.h"
#include "refdata/Session.h"
#include "support/AsciiText.h"

#include <stdexcept>

namespace kovex {

bool isLanguage(const AdministrativeField& field) {
    return field.control.latin1() == ui::cmbLanguage.latin1();
}

const AdministrativeField& languageField() {
    for (const AdministrativeField& field : kAdministrativeFields)
        if (isLanguage(field))
            return field;
    throw std::logic_error("the administrative record has no language");
}

namespace {

std::vector<const AdministrativeField*> fieldsWith(const char* AdministrativeField::*entry,
                                                   QLatin1StringView key) {
    std::vector<const AdministrativeField*> fields;
    for (const AdministrativeField& field : kAdministrativeFields)
        if (field.*entry != nullptr && QLatin1StringView(field.*entry) == key)
            fields.push_back(&field);
    return fields;
}

} // namespace

std::vector<const AdministrativeField*> fieldsOfReportKey(QLatin1StringView key) {
    return fieldsWith(&AdministrativeField::reportKey, key);
}

std::vector<const AdministrativeField*> fieldsOfAccessColumn(QLatin1StringView column) {
    return fieldsWith(&AdministrativeField::accessColumn, column);
}

namespace {

void upperCaseField(Session& p, const QString& name) {
    p.mainForm.setText(name, UpperCaseAscii(p.mainForm.text(name)));
}

// The personal address doubles as the antenna location while the box is
// checked; it is copied only when the personal field is left, so the antenna
// fields stay free to edit afterwards.
void upperCaseAndCopyToLocation(Session& p, const QString& field, const QString& locationField) {
    upperCaseField(p, field);
    if (p.mainForm.checked(ui::chkAntLocationPersonnalAddress))
        p.mainForm.setText(locationField, p.mainForm.text(field));
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

void leaveUpperCasedField(Session& p, const UpperCasedField& field) {
    if (field.location.text == nullptr)
        upperCaseField(p, field.field);
    else
        upperCaseAndCopyToLocation(p, field.field, field.location);
}

void takeCallsign(Session& p) {
    upperCaseField(p, ui::edtCallsign);
    setFileNamesFromCallsign(p);
}

void edtCallsignExit(Session& p) {
    takeCallsign(p);
}

void rdbLambertClick(Session& p) {
    showCoordinateForm(p.mainForm, CoordinateSystem::Lambert);
}
void rdbWGS84Click(Session& p) {
    showCoordinateForm(p.mainForm, CoordinateSystem::WGS84);
}

void chkOtherOperatorClick(Session& p) {
    p.mainForm.setVisible(ui::edtOtherOperator, p.mainForm.checked(ui::chkOtherOperator));
}

void rdbExistingSiteClick(Session& p) {
    p.mainForm.setChecked(ui::rdbExistingSite, true);
    p.mainForm.setChecked(ui::rdbNewSite, false);
}

void rdbNewSiteClick(Session& p) {
    p.mainForm.setChecked(ui::rdbNewSite, true);
    p.mainForm.setChecked(ui::rdbExistingSite, false);
}

namespace {

// The correspondence language follows the help language.
void followHelpLanguage(MainForm& f) {
    f.setItemIndex(ui::cmbLanguage, f.itemIndex(ui::rdgLanguage));
}

} // namespace

void rdgLanguageClick(Session& p) {
    followHelpLanguage(p.mainForm);
}

void setHelpLanguage(Session& p, int language) {
    if (p.mainForm.itemIndex(ui::rdgLanguage) == language)
        return;
    p.mainForm.setItemIndex(ui::rdgLanguage, language);
    followHelpLanguage(p.mainForm);
}

void setFileNamesFromCallsign(Session& p) {
    MainForm& f = p.mainForm;
    f.values.AccessFileName = f.text(ui::edtCallsign) + "_kovex.mdb";
    f.values.ReportFileName = f.text(ui::edtCallsign) + "_report.txt";
    f.setText(ui::btnSaveMDB, "Save " + f.values.AccessFileName + " and " + f.values.ReportFileName);
}

} // namespace kovex
