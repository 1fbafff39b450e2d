#include "records/Validation.h"

#include "model/MainForm.h"
#include "support/KovexError.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace kovex;

namespace {

TEST(PostalCodeDigits, KeepsTheDigitsInOrder) {
    const std::pair<const char*, const char*> cases[]{
        {"", ""},      {"B-1000", "1000"},    {"1000 BRUSSEL", "1000"}, {"B-", ""}, {" 4 0 0 0 ", "4000"},
        {"-99", "99"}, {"l'église 12", "12"},
    };
    for (const auto& [text, digits] : cases)
        EXPECT_EQ(postalCodeDigits(QString::fromUtf8(text)), QLatin1String(digits)) << text;
    // digits of other scripts are no '0'..'9'
    EXPECT_EQ(postalCodeDigits(QString::fromUtf8("١٠٠٠ 12")), QStringLiteral("12"));
}

void fillValidRecord(MainForm& f) {
    const std::pair<const char*, const char*> fields[]{
        {"edtName", "PEETERS"},
        {"edtFirstName", "JAN"},
        {"edtAddress", "KERKSTRAAT 1"},
        {"edtZipCode", "1000"},
        {"edtCity", "BRUSSEL"},
        {"edtCallsign", "ON4XX"},
        {"edtAntAddress", "KERKSTRAAT 1"},
        {"edtAntZipCode", "1000"},
        {"edtAntCity", "BRUSSEL"},
        {"edtLambertX", "150000"},
        {"edtLambertY", "170000"},
        {"edtLONdeg", "4"},
        {"edtLONmin", "21"},
        {"edtLONsec", "0"},
        {"edtLATdeg", "50"},
        {"edtLATmin", "50"},
        {"edtLATsec", "0"},
    };
    for (const auto& [name, text] : fields)
        f.setText(QString::fromLatin1(name), QString::fromLatin1(text));
    for (int k = 1; k <= 4; ++k) {
        f.setText(slotName("edtD", k), QStringLiteral("10"));
        f.setText(slotName("edtH", k), QStringLiteral("2"));
        f.setText(slotName("edtLocation", k), QStringLiteral("garden"));
    }
}

struct Case {
    const char* field;
    const char* text;
    const char* errors; // the error list, or the conversion error when it starts with '
};

// Values at the edge of their range and texts that are no whole number, on an
// otherwise valid record, so that a bound taken with the wrong comparison shows.
const Case kCases[]{
    {"edtZipCode", "100", ""},
    {"edtZipCode", "99999", ""},
    {"edtZipCode", "100000", "\r your postal code is incorrect (> 99999)"},
    {"edtZipCode", "99999999999", "'99999999999' is not a valid integer value"},
    {"edtAntZipCode", "9999", ""},
    {"edtAntZipCode", "", "'' is not a valid integer value"},
    {"edtLambertX", "22000", ""},
    {"edtLambertX", "295000", ""},
    {"edtLambertY", "21000", ""},
    {"edtLambertY", "245000", ""},
    {"edtLambertY", "1.5e5", "'1.5e5' is not a valid integer value"},
    {"edtLambertY", " ", "' ' is not a valid integer value"},
    {"edtLONmin", "x", "'x' is not a valid integer value"},
    {"edtLATmin", "", ""},
    {"edtCallsign", "On4XX", "\r your callsign is missing"},
    {"edtCallsign", " ON4XX", "\r your callsign is missing"},
    {"edtName", " ", ""},
};

TEST(AdministrativeErrors, BoundsAndConversions) {
    for (const Case& c : kCases) {
        MainForm form;
        fillValidRecord(form);
        form.setText(QString::fromLatin1(c.field), QString::fromLatin1(c.text));
        const QString expected = QString::fromLatin1(c.errors);
        QString found;
        try {
            found = administrativeErrors(form);
        } catch (const KovexError& error) {
            found = error.text();
        }
        EXPECT_EQ(found.toStdString(), expected.toStdString()) << c.field << " = \"" << c.text << '"';
    }
}

} // namespace
