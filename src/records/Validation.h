#pragma once

#include <QString>

namespace kovex {

class MainForm;
class Session;

// The characters '0'..'9' of a postal code in order, every other one dropped:
// "B-1000" gives "1000", a code without digits gives "".
QString postalCodeDigits(const QString& text);

// Every problem of the administrative record and the test points, each
// message preceded by a carriage return; empty when all is well. A number
// field that is no whole number throws the conversion error naming it.
QString administrativeErrors(const MainForm& f);

// The text of the outcome box for the errors above.
QString validationOutcome(const QString& errors, const QString& accessFileName);

void ValidateAdministrativeData(Session& p);
void btnValidateClick(Session& p);

} // namespace kovex
