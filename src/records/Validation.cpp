#include "records/Validation.h"

#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "refdata/Session.h"
#include "support/NumberText.h"

namespace kovex {

namespace {

class ErrorList {
  public:
    explicit ErrorList(const MainForm& form) : f(form) {}

    void addIf(bool condition, const QString& message) {
        if (condition)
            m_text += QLatin1Char('\r') + message;
    }
    void addIf(bool condition, const char* message) { addIf(condition, QString::fromLatin1(message)); }
    bool empty(const QString& field) const { return f.text(field).isEmpty(); }
    std::int32_t whole(const QString& field) const { return num::toIntStrict(f.text(field)); }
    std::int32_t postalCode(const QString& field) const {
        return num::toIntStrict(postalCodeDigits(f.text(field)));
    }
    const QString& text() const { return m_text; }

    const MainForm& f;

  private:
    QString m_text;
};

void checkPersonalData(ErrorList& e) {
    e.addIf(e.empty(ui::edtName), " your name is missing ");
    e.addIf(e.empty(ui::edtFirstName), " your first name is missing ");
    e.addIf(e.empty(ui::edtAddress), " your street and number are missing ");
    e.addIf(e.empty(ui::edtZipCode), " your postal code is missing");
    const std::int32_t code = e.postalCode(ui::edtZipCode);
    e.addIf(code < 100, " your postal code is incorrect (< 100)");
    e.addIf(code > 99999, " your postal code is incorrect (> 99999)");
    e.addIf(e.empty(ui::edtCity), " your city");
    // Compared as it stands: leaving the field has upper-cased it already,
    // and the other prefixes of the country do not pass.
    e.addIf(!e.f.text(ui::edtCallsign).startsWith(QLatin1String("ON")), " your callsign is missing");
}

void checkAntennaLocation(ErrorList& e) {
    e.addIf(e.empty(ui::edtAntAddress),
            " the street and number, where the antenna is installed, are missing ");
    e.addIf(e.empty(ui::edtAntZipCode), " the postal code, where the antenna is installed, are missing");
    const std::int32_t code = e.postalCode(ui::edtAntZipCode);
    e.addIf(code < 1000, " the postal code is incorrect (< 1000)");
    e.addIf(code > 9999, " the postal code is incorrect (> 9999)");
    e.addIf(e.empty(ui::edtAntCity), " the city, where the antenna is installed,  is missing");
}

// Either coordinate form will do, so a part is missing only when its
// degree field and its Lambert counterpart are both empty.
void checkCoordinatesGiven(ErrorList& e) {
    const bool noX = e.empty(ui::edtLambertX);
    const bool noY = e.empty(ui::edtLambertY);
    e.addIf(e.empty(ui::edtLONdeg) && noX, " the longitude (degrees) where the antenna is installed ");
    e.addIf(e.empty(ui::edtLONmin) && noX, " the longitude (minutes) where the antenna is installed");
    e.addIf(e.empty(ui::edtLONsec) && noX, " the longitude (seconds) where the antenna is installed");
    e.addIf(e.empty(ui::edtLATdeg) && noY, " the latitude (degrees) where the antenna is installed");
    e.addIf(e.empty(ui::edtLATmin) && noY, " the latitude (minutes) where the antenna is installed");
    e.addIf(e.empty(ui::edtLATsec) && noY, " the latitude (seconds) where the antenna is installed");
}

void checkLambertRange(ErrorList& e) {
    if (e.empty(ui::edtLambertX) || e.empty(ui::edtLambertY))
        return;
    const std::int32_t x = e.whole(ui::edtLambertX);
    const std::int32_t y = e.whole(ui::edtLambertY);
    e.addIf(x < 22000, " Lambert X coordinate too low ");
    e.addIf(x > 295000, " Lambert X coordinate too high");
    e.addIf(y < 21000, " Lambert Y coordinate too low ");
    e.addIf(y > 245000, " Lambert Y coordinate too high ");
}

// The seconds are too fine to matter for the range of the country.
double degreesAndMinutes(const ErrorList& e, const QString& degrees, const QString& minutes) {
    const std::int32_t whole = e.whole(degrees);
    return whole + e.whole(minutes) / 60.0;
}

void checkLongitudeLatitudeRange(ErrorList& e) {
    if (!e.empty(ui::edtLONdeg) && !e.empty(ui::edtLONmin)) {
        const double longitude = degreesAndMinutes(e, ui::edtLONdeg, ui::edtLONmin);
        e.addIf(longitude < 2.5, " the longitude is too low");
        e.addIf(longitude > 6.4, " the longitude is too high");
    }
    if (!e.empty(ui::edtLATdeg) && !e.empty(ui::edtLATmin)) {
        const double latitude = degreesAndMinutes(e, ui::edtLATdeg, ui::edtLATmin);
        e.addIf(latitude < 49.4, " the latitude is too low");
        e.addIf(latitude > 51.6, " the latitude is too high");
    }
}

bool slotPlaced(const MainForm& f, int k) {
    return !f.text(ui::edtD[k]).isEmpty() && !f.text(ui::edtH[k]).isEmpty();
}

// Slots 5..12 do not make up for a gap among the first four.
void checkTestPoints(ErrorList& e) {
    for (int k = 1; k <= kTestPointSlots; ++k)
        e.addIf(slotPlaced(e.f, k) && e.f.text(ui::edtLocation[k]).isEmpty(),
                QStringLiteral(" the description of test point nr %1 is missing").arg(k));
    bool firstFourPlaced = true;
    for (int k = 1; k <= 4; ++k)
        firstFourPlaced = firstFourPlaced && slotPlaced(e.f, k);
    e.addIf(!firstFourPlaced, " you need to give at least 4 test points");
}

} // namespace

QString postalCodeDigits(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    return digits;
}

QString administrativeErrors(const MainForm& f) {
    ErrorList e(f);
    checkPersonalData(e);
    checkAntennaLocation(e);
    checkCoordinatesGiven(e);
    checkLambertRange(e);
    checkLongitudeLatitudeRange(e);
    checkTestPoints(e);
    return e.text();
}

QString validationOutcome(const QString& errors, const QString& accessFileName) {
    if (errors.isEmpty())
        return "You are now ready to proceed the " + accessFileName + " for your BIPT application." + "\r\r" +
               "All the elements seem to be valid !";
    return "Following parameters are invalid:\r" + errors + "\r\r" + "Please correct now !";
}

// The answer to the box changes nothing: it only shows the outcome.
void ValidateAdministrativeData(Session& p) {
    const QString errors = administrativeErrors(p.mainForm);
    p.platform.dialogs.question(validationOutcome(errors, p.mainForm.values.AccessFileName));
}

void btnValidateClick(Session& p) {
    ValidateAdministrativeData(p);
}

} // namespace kovex
