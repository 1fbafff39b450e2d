#pragma once

#include "model/ControlNames.h"

#include <vector>

namespace kovex {

class MainForm;
class Session;

// How the access file holds a field's value.
enum class AccessValue {
    Text,
    // a whole number, left unset while the field is empty
    Whole,
    // the check of a box or a radio button
    Flag,
};

// A check's range of values, and how the value is read from the field.
enum class CheckedRange {
    None,
    // the digits of the field, checked at once after its presence
    PostalCode,
    // a whole number, checked after every presence, when the field and
    // `with` are both given
    Whole,
    // degrees and the minutes of `with`, checked last, when both are given
    DegreesAndMinutes,
};

// The validation rule of a field: its error messages in the order they
// are listed.
struct FieldCheck {
    // listed when the field is empty, and `orGiven` too when named
    const char* missing = nullptr;
    ControlName orGiven{nullptr};
    // the field must begin with this, else `missing` is listed
    const char* prefix = nullptr;
    CheckedRange range = CheckedRange::None;
    ControlName with{nullptr};
    double lowest = 0;
    double highest = 0;
    const char* tooLow = nullptr;
    const char* tooHigh = nullptr;
};

// One field of the administrative record and how each of its users knows
// it. An entry left null is a field that user does not write. The case file
// keeps every field under its control's name, in the order of the table;
// the TPAI file and the validation follow the same order, the report and
// the access file lay their lines and columns out in their own order and
// find each field by its key there.
struct AdministrativeField {
    ControlName control;
    // The field as the user knows it, in the errors that name it.
    const char* shownAs = nullptr;
    const char* tpaiKey = nullptr;
    // Fields that share a report key or an access column are written on one
    // line or in one column, in the order of the table, each text followed
    // by its `after`.
    const char* reportKey = nullptr;
    const char* reportAfter = "";
    // The name of the report line when not the one of its first field.
    const char* reportLine = nullptr;
    const char* accessColumn = nullptr;
    AccessValue accessValue = AccessValue::Text;
    const char* accessAfter = "";
    FieldCheck check{};
    // While this box is unchecked the report and the access file write a
    // blank instead of the field's text.
    ControlName onlyWhen{nullptr};
};

// The language of the correspondence is a list: each user writes the item
// under its own name.
inline constexpr AdministrativeField kAdministrativeFields[]{
    {.control = ui::edtName,
     .shownAs = "Name",
     .tpaiKey = "kovex_name",
     .reportKey = "kovex_AA01",
     .reportAfter = "  ",
     .accessColumn = "AA01NameApplicant",
     .accessAfter = "  ",
     .check = {.missing = " your name is missing "}},
    {.control = ui::edtFirstName,
     .shownAs = "First name",
     .tpaiKey = "kovex_first_name",
     .reportKey = "kovex_AA01",
     .accessColumn = "AA01NameApplicant",
     .check = {.missing = " your first name is missing "}},
    {.control = ui::edtAddress,
     .shownAs = "Address",
     .tpaiKey = "kovex_address",
     .reportKey = "kovex_AA02",
     .accessColumn = "AA02AddressApplicant",
     .check = {.missing = " your street and number are missing "}},
    {.control = ui::edtZipCode,
     .shownAs = "Postal code",
     .tpaiKey = "kovex_zipcode",
     .reportKey = "kovex_AA03",
     .reportAfter = "  ",
     .reportLine = "City",
     .accessColumn = "AA03ZipCodeApplicant",
     .check = {.missing = " your postal code is missing",
               .range = CheckedRange::PostalCode,
               .lowest = 100,
               .highest = 99999,
               .tooLow = " your postal code is incorrect (< 100)",
               .tooHigh = " your postal code is incorrect (> 99999)"}},
    {.control = ui::edtCity,
     .shownAs = "City",
     .tpaiKey = "kovex_city",
     .reportKey = "kovex_AA03",
     .accessColumn = "AA03CityApplicant",
     .check = {.missing = " your city"}},
    {.control = ui::edtPhoneNr,
     .shownAs = "Phone number",
     .tpaiKey = "kovex_phone",
     .reportKey = "kovex_AA05",
     .accessColumn = "AA05TelContactApplicant"},
    {.control = ui::edtEmail,
     .shownAs = "E-mail",
     .tpaiKey = "kovex_email",
     .reportKey = "kovex_AA06",
     .accessColumn = "AA06EmailContactApplicant"},
    // Compared as it stands: leaving the field has upper-cased it already,
    // and the other prefixes of the country do not pass.
    {.control = ui::edtCallsign,
     .shownAs = "Callsign",
     .tpaiKey = "kovex_callsign",
     .reportKey = "kovex_AA07",
     .accessColumn = "AA07RefApplicant",
     .check = {.missing = " your callsign is missing", .prefix = "ON"}},
    {.control = ui::edtNote,
     .shownAs = "Note",
     .tpaiKey = "kovex_note",
     .reportKey = "kovex_AA09",
     .accessColumn = "AA09InfoApplicant"},
    {.control = ui::cmbLanguage,
     .tpaiKey = "kovex_language",
     .reportKey = "kovex_lang",
     .accessColumn = "FileLanguage"},
    {.control = ui::chkAntLocationPersonnalAddress},
    {.control = ui::edtAntAddress,
     .shownAs = "Antenna address",
     .tpaiKey = "kovex_ant_adr",
     .reportKey = "kovex_LS02",
     .accessColumn = "LS02AddressSite",
     .check = {.missing = " the street and number, where the antenna is installed, are missing "}},
    {.control = ui::edtAntZipCode,
     .shownAs = "Antenna postal code",
     .tpaiKey = "kovex_ant_zipcode",
     .reportKey = "kovex_LS03",
     .reportAfter = " ",
     .reportLine = "Antenna city",
     .accessColumn = "LS03ZipCodeSite",
     .check = {.missing = " the postal code, where the antenna is installed, are missing",
               .range = CheckedRange::PostalCode,
               .lowest = 1000,
               .highest = 9999,
               .tooLow = " the postal code is incorrect (< 1000)",
               .tooHigh = " the postal code is incorrect (> 9999)"}},
    {.control = ui::edtAntCity,
     .shownAs = "Antenna city",
     .tpaiKey = "kovex_ant_city",
     .reportKey = "kovex_LS03",
     .accessColumn = "LS03CitySite",
     .check = {.missing = " the city, where the antenna is installed,  is missing"}},
    {.control = ui::rdbLambert},
    {.control = ui::edtLambertX,
     .shownAs = "Lambert X",
     .tpaiKey = "kovex_lambertX",
     .reportKey = "kovex_LS07LX",
     .accessColumn = "LS07XLambertCoordinates",
     .accessValue = AccessValue::Whole,
     .check = {.range = CheckedRange::Whole,
               .with = ui::edtLambertY,
               .lowest = 22000,
               .highest = 295000,
               .tooLow = " Lambert X coordinate too low ",
               .tooHigh = " Lambert X coordinate too high"}},
    {.control = ui::edtLambertY,
     .shownAs = "Lambert Y",
     .tpaiKey = "kovex_lambertY",
     .reportKey = "kovex_LS07LY",
     .accessColumn = "LS07YLambertCoordinates",
     .accessValue = AccessValue::Whole,
     .check = {.range = CheckedRange::Whole,
               .with = ui::edtLambertX,
               .lowest = 21000,
               .highest = 245000,
               .tooLow = " Lambert Y coordinate too low ",
               .tooHigh = " Lambert Y coordinate too high "}},
    // Either coordinate form will do, so a part is missing only when its
    // Lambert counterpart is missing too. The seconds are too fine to matter
    // for the range of the country.
    {.control = ui::edtLONdeg,
     .shownAs = "Longitude degrees",
     .tpaiKey = "kovex_long_deg",
     .reportKey = "kovex_LS04",
     .reportAfter = " deg  ",
     .reportLine = "Longitude",
     .accessColumn = "LS04XCoordinateSiteDeg",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the longitude (degrees) where the antenna is installed ",
               .orGiven = ui::edtLambertX,
               .range = CheckedRange::DegreesAndMinutes,
               .with = ui::edtLONmin,
               .lowest = 2.5,
               .highest = 6.4,
               .tooLow = " the longitude is too low",
               .tooHigh = " the longitude is too high"}},
    {.control = ui::edtLONmin,
     .shownAs = "Longitude minutes",
     .tpaiKey = "kovex_long_min",
     .reportKey = "kovex_LS04",
     .reportAfter = " min  ",
     .accessColumn = "LS04XCoordinateSiteMin",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the longitude (minutes) where the antenna is installed",
               .orGiven = ui::edtLambertX}},
    {.control = ui::edtLONsec,
     .shownAs = "Longitude seconds",
     .tpaiKey = "kovex_long_sec",
     .reportKey = "kovex_LS04",
     .reportAfter = " sec",
     .accessColumn = "LS04XCoordinateSiteSec",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the longitude (seconds) where the antenna is installed",
               .orGiven = ui::edtLambertX}},
    {.control = ui::edtLATdeg,
     .shownAs = "Latitude degrees",
     .tpaiKey = "kovex_lat_deg",
     .reportKey = "kovex_LS05",
     .reportAfter = " deg  ",
     .reportLine = "Latitude",
     .accessColumn = "LS05YCoordinateSiteDeg",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the latitude (degrees) where the antenna is installed",
               .orGiven = ui::edtLambertY,
               .range = CheckedRange::DegreesAndMinutes,
               .with = ui::edtLATmin,
               .lowest = 49.4,
               .highest = 51.6,
               .tooLow = " the latitude is too low",
               .tooHigh = " the latitude is too high"}},
    {.control = ui::edtLATmin,
     .shownAs = "Latitude minutes",
     .tpaiKey = "kovex_lat_min",
     .reportKey = "kovex_LS05",
     .reportAfter = " min  ",
     .accessColumn = "LS05YCoordinateSiteMin",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the latitude (minutes) where the antenna is installed",
               .orGiven = ui::edtLambertY}},
    {.control = ui::edtLATsec,
     .shownAs = "Latitude seconds",
     .tpaiKey = "kovex_lat_sec",
     .reportKey = "kovex_LS05",
     .reportAfter = " sec",
     .accessColumn = "LS05YCoordinateSiteSec",
     .accessValue = AccessValue::Whole,
     .check = {.missing = " the latitude (seconds) where the antenna is installed",
               .orGiven = ui::edtLambertY}},
    // The report says in words whether the site is shared and whether it
    // has antennas already.
    {.control = ui::chkOtherOperator, .accessColumn = "BS01SiteShareable", .accessValue = AccessValue::Flag},
    {.control = ui::edtOtherOperator,
     .shownAs = "Name of the operators",
     .tpaiKey = "kovex_other_oper",
     .reportKey = "kovex_AO01",
     .accessColumn = "AO01OtherExploitant",
     .onlyWhen = ui::chkOtherOperator},
    {.control = ui::edtNoteSite,
     .shownAs = "Note about the site",
     .tpaiKey = "kovex_note_site",
     .reportKey = "kovex_AS05",
     .accessColumn = "AS05InfoSituationSite"},
    {.control = ui::rdbExistingSite, .accessColumn = "AS04SiteExists", .accessValue = AccessValue::Flag},
};

bool isLanguage(const AdministrativeField& field);
const AdministrativeField& languageField();
// The fields of the table that share a report key, or an access column, in
// the order of the table; none for an unknown one.
std::vector<const AdministrativeField*> fieldsOfReportKey(QLatin1StringView key);
std::vector<const AdministrativeField*> fieldsOfAccessColumn(QLatin1StringView column);

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
