#include "records/Validation.h"

#include "KovexError.h"
#include "MainForm.h"

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

// Each value just inside and just outside its range, on an otherwise valid
// record, so that a bound taken with the wrong comparison shows.
const Case kCases[]{
    {"edtZipCode", "100", ""},
    {"edtZipCode", "99", "\r your postal code is incorrect (< 100)"},
    {"edtZipCode", "99999", ""},
    {"edtZipCode", "100000", "\r your postal code is incorrect (> 99999)"},
    {"edtZipCode", "B-1000", ""},
    {"edtZipCode", "", "'' is not a valid integer value"},
    {"edtZipCode", "99999999999", "'99999999999' is not a valid integer value"},
    {"edtAntZipCode", "1000", ""},
    {"edtAntZipCode", "999", "\r the postal code is incorrect (< 1000)"},
    {"edtAntZipCode", "9999", ""},
    {"edtAntZipCode", "10000", "\r the postal code is incorrect (> 9999)"},
    {"edtAntZipCode", "", "'' is not a valid integer value"},
    {"edtLambertX", "22000", ""},
    {"edtLambertX", "21999", "\r Lambert X coordinate too low "},
    {"edtLambertX", "295000", ""},
    {"edtLambertX", "295001", "\r Lambert X coordinate too high"},
    {"edtLambertY", "21000", ""},
    {"edtLambertY", "20999", "\r Lambert Y coordinate too low "},
    {"edtLambertY", "245000", ""},
    {"edtLambertY", "245001", "\r Lambert Y coordinate too high "},
    {"edtLambertY", "1.5e5", "'1.5e5' is not a valid integer value"},
    {"edtLambertY", " ", "' ' is not a valid integer value"},
    {"edtLONmin", "30", ""},
    {"edtLONdeg", "2", "\r the longitude is too low"},
    {"edtLONdeg", "7", "\r the longitude is too high"},
    {"edtLONmin", "-1", ""},
    {"edtLONsec", "", ""},
    {"edtLONmin", "x", "'x' is not a valid integer value"},
    {"edtLATdeg", "48", "\r the latitude is too low"},
    {"edtLATdeg", "52", "\r the latitude is too high"},
    {"edtLATmin", "", ""},
    {"edtLATmin", "5.5", "'5.5' is not a valid integer value"},
    {"edtCallsign", "ON", ""},
    {"edtCallsign", "On4XX", "\r your callsign is missing"},
    {"edtCallsign", " ON4XX", "\r your callsign is missing"},
    {"edtCallsign", "", "\r your callsign is missing"},
    {"edtName", " ", ""},
    {"edtName", "", "\r your name is missing "},
    {"edtCity", "", "\r your city"},
    {"edtLocation3", "", "\r the description of test point nr 3 is missing"},
    {"edtH4", "", "\r you need to give at least 4 test points"},
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

struct DegreesCase {
    const char* degreesField;
    const char* degrees;
    const char* minutesField;
    const char* minutes;
    const char* message; // the range message expected, or nothing
};

// The minutes count as sixtieths: the bounds fall inside a degree.
TEST(AdministrativeErrors, LongitudeAndLatitudeBoundsFallBetweenMinutes) {
    const DegreesCase cases[]{
        {"edtLONdeg", "2", "edtLONmin", "29", " the longitude is too low"},
        {"edtLONdeg", "2", "edtLONmin", "30", ""},
        {"edtLONdeg", "6", "edtLONmin", "24", ""},
        {"edtLONdeg", "6", "edtLONmin", "25", " the longitude is too high"},
        {"edtLATdeg", "49", "edtLATmin", "23", " the latitude is too low"},
        {"edtLATdeg", "49", "edtLATmin", "24", ""},
        {"edtLATdeg", "51", "edtLATmin", "36", ""},
        {"edtLATdeg", "51", "edtLATmin", "37", " the latitude is too high"},
    };
    for (const DegreesCase& c : cases) {
        MainForm form;
        fillValidRecord(form);
        form.setText(QString::fromLatin1(c.degreesField), QString::fromLatin1(c.degrees));
        form.setText(QString::fromLatin1(c.minutesField), QString::fromLatin1(c.minutes));
        const QString expected =
            *c.message ? QStringLiteral("\r") + QString::fromLatin1(c.message) : QString();
        EXPECT_EQ(administrativeErrors(form).toStdString(), expected.toStdString())
            << c.degrees << ' ' << c.minutes;
    }
}

TEST(ValidationOutcome, EmptyAndNonEmptyLists) {
    EXPECT_EQ(validationOutcome(QString(), QStringLiteral("ON4XX_kovex.mdb")),
              QStringLiteral("You are now ready to proceed the ON4XX_kovex.mdb for your BIPT application.\r\r"
                             "All the elements seem to be valid !"));
    EXPECT_EQ(validationOutcome(QStringLiteral("\r your city"), QStringLiteral("x")),
              QStringLiteral("Following parameters are invalid:\r\r your city\r\rPlease correct now !"));
}

} // namespace
