#include "records/Validation.h"

#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "records/AdministrativeRecord.h"
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

bool given(const ErrorList& e, ControlName field) {
    return field.text != nullptr && !e.empty(field);
}

void addRange(ErrorList& e, const FieldCheck& check, double value) {
    e.addIf(value < check.lowest, check.tooLow);
    e.addIf(value > check.highest, check.tooHigh);
}

// The presence of the field, and the range of a postal code at once after.
void checkPresence(ErrorList& e, const AdministrativeField& field) {
    const FieldCheck& check = field.check;
    if (check.prefix != nullptr)
        e.addIf(!e.f.text(field.control).startsWith(QLatin1String(check.prefix)), check.missing);
    else if (check.missing != nullptr)
        e.addIf(e.empty(field.control) && !given(e, check.orGiven), check.missing);
    if (check.range == CheckedRange::PostalCode)
        addRange(e, check, e.postalCode(field.control));
}

bool bothGiven(const ErrorList& e, const AdministrativeField& field) {
    return given(e, field.control) && given(e, field.check.with);
}

void checkWholeRange(ErrorList& e, const AdministrativeField& field) {
    if (field.check.range == CheckedRange::Whole && bothGiven(e, field))
        addRange(e, field.check, e.whole(field.control));
}

void checkDegreesRange(ErrorList& e, const AdministrativeField& field) {
    if (field.check.range != CheckedRange::DegreesAndMinutes || !bothGiven(e, field))
        return;
    const std::int32_t whole = e.whole(field.control);
    addRange(e, field.check, whole + e.whole(field.check.with) / 60.0);
}

// Every presence first, then the whole numbers, then the degrees.
void checkRecord(ErrorList& e) {
    for (const auto check : {checkPresence, checkWholeRange, checkDegreesRange})
        for (const AdministrativeField& field : kAdministrativeFields)
            check(e, field);
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
    checkRecord(e);
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
