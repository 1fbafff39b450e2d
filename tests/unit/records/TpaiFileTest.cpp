#include "records/TpaiFile.h"

#include "model/MainForm.h"
#include "support/Cp1252.h"
#include "support/KovexError.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace kovex;

namespace {

struct SlotKeys {
    int slot;
    const char* description;
    const char* height;
    const char* distance;
    const char* wallType;
};

TEST(TpaiKeys, EachSlotHasItsFourKeys) {
    const SlotKeys cases[]{
        {1, "kovex_m101   =", "kovex_m102   =", "kovex_tp_d1  =", "kovex_tp_sa1 ="},
        {9, "kovex_m901   =", "kovex_m902   =", "kovex_tp_d9  =", "kovex_tp_sa9 ="},
        {10, "kovex_ma01   =", "kovex_ma02   =", "kovex_tp_d10 =", "kovex_tp_sa10="},
        {12, "kovex_mc01   =", "kovex_mc02   =", "kovex_tp_d12 =", "kovex_tp_sa12="},
    };
    for (const SlotKeys& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(tpai::descriptionKey(c.slot), QLatin1String(c.description));
        EXPECT_EQ(tpai::heightKey(c.slot), QLatin1String(c.height));
        EXPECT_EQ(tpai::distanceKey(c.slot), QLatin1String(c.distance));
        EXPECT_EQ(tpai::wallTypeKey(c.slot), QLatin1String(c.wallType));
    }
}

// The reader searches every key anywhere in a line, so one key inside a
// line of another would fill the wrong slot.
TEST(TpaiKeys, NoKeyOccursInALineOfAnother) {
    QStringList keys;
    for (int k = 1; k <= 12; ++k)
        keys << tpai::descriptionKey(k) << tpai::heightKey(k) << tpai::distanceKey(k) << tpai::wallTypeKey(k);
    EXPECT_EQ(std::set<QString>(keys.begin(), keys.end()).size(), 48u);
    for (const QString& key : keys) {
        EXPECT_EQ(key.size(), 14) << key.toStdString();
        for (const QString& other : keys) {
            if (other != key) {
                EXPECT_FALSE(other.contains(key)) << key.toStdString() << " in " << other.toStdString();
            }
        }
    }
}

TEST(TpaiFileName, RefusesWhatWouldLeaveTheFolderOrUpsetASystem) {
    const struct {
        const char* name;
        bool allowed;
    } cases[]{
        {"ON4XX_tpai.txt", true},
        {" ON4XX_01 _tpai.txt", true},
        {"_tpai.txt", true},
        {"..._tpai.txt", false},
        {".ON4XX_tpai.txt", false},
        {"../ON4XX_tpai.txt", false},
        {"..\\ON4XX_tpai.txt", false},
        {"/tmp/x_tpai.txt", false},
        {"C:x_tpai.txt", false},
        {"a*b_tpai.txt", false},
        {"a?b_tpai.txt", false},
        {"a\"b_tpai.txt", false},
        {"a<b_tpai.txt", false},
        {"a>b_tpai.txt", false},
        {"a|b_tpai.txt", false},
        {"a\tb_tpai.txt", false},
        {"a\x7f"
         "b_tpai.txt",
         false},
        {"", false},
        {"..", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tpai::isAllowedFileName(QString::fromLatin1(c.name)), c.allowed) << c.name;
    EXPECT_FALSE(tpai::isAllowedFileName(QStringLiteral("a") + QChar(0x85) + QStringLiteral("_tpai.txt")));
    EXPECT_TRUE(tpai::isAllowedFileName(QString::fromUtf8("ON4XÉ_tpai.txt")));
    // what the Windows-1252 files cannot name, shown reversed or not at all
    for (const char* name :
         {"ON4\u202EXX_1.jpeg", "ON4XX\u200E_1.jpeg", "ON4XX\U0001F600_1.jpeg", "ON4\uFEFFXX_1.jpeg"})
        EXPECT_FALSE(tpai::isAllowedFileName(QString::fromUtf8(name))) << name;
}

TEST(TpaiFileName, ACallsignOfBlanksOnlyNamesNoFile) {
    EXPECT_NO_THROW(tpai::checkFileName(QStringLiteral(" ON4XX "), QStringLiteral(" ON4XX _tpai.txt")));
    for (const char* callsign : {"", "   "})
        EXPECT_THROW(
            tpai::checkFileName(QString::fromLatin1(callsign), callsign + QStringLiteral("_tpai.txt")),
            KovexError)
            << '"' << callsign << '"';
}

TEST(TpaiDate, FollowsTheFormatsButNotTheProcessLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Belgium));
    const QDateTime when(QDate(2026, 12, 7), QTime(21, 5));
    const QString stamp = tpai::dateStamp(when, QStringLiteral("d MMMM yyyy"), QStringLiteral("HH:mm"));
    QLocale::setDefault(previous);
    EXPECT_EQ(stamp, QStringLiteral("7 December 2026 21:05"));
    EXPECT_EQ(tpai::dateStamp(when, QStringLiteral("dd/MM/yy"), QStringLiteral("h:mm AP")),
              QStringLiteral("07/12/26 9:05 PM"));
}

// Some locales' short formats hold characters the code page lacks; the
// date line only informs, so they become "?" and never refuse the save.
TEST(TpaiDate, WritesCharactersTheCodePageLacksAsQuestionMarks) {
    const QDateTime when(QDate(2026, 12, 7), QTime(21, 5));
    EXPECT_EQ(tpai::dateStamp(when, QString::fromUtf8("d.MM.yyyy \u0433."), QStringLiteral("H:mm")),
              QStringLiteral("7.12.2026 ?. 21:05"));
    EXPECT_EQ(tpai::dateStamp(when, QString::fromUtf8("d\u200F/M\u200F/yyyy"), QStringLiteral("HH:mm")),
              QStringLiteral("7?/12?/2026 21:05"));
    for (const char* name : {"ar_EG", "bg_BG", "fa_IR", "he_IL"}) {
        const QLocale locale(QString::fromLatin1(name));
        MainForm form;
        const QString stamp = tpai::dateStamp(when, locale.dateFormat(QLocale::ShortFormat),
                                              locale.timeFormat(QLocale::ShortFormat));
        EXPECT_NO_THROW(tpai::fileBytes(tpai::fileLines(form, stamp))) << name;
    }
}

QString thrownText(const std::function<void()>& work) {
    try {
        work();
    } catch (const KovexError& error) {
        return error.text();
    }
    return {};
}

TEST(TpaiWrite, RefusesAValueHoldingAnotherFieldsKey) {
    MainForm form;
    form.setText(QStringLiteral("edtNote"), QStringLiteral("see kovex_name        =X"));
    EXPECT_EQ(
        thrownText([&] { tpai::fileBytes(tpai::fileLines(form, QStringLiteral("now"))); }),
        QStringLiteral("The TPAI file was not saved: the field \"Note\" holds \"kovex_name        =\", which "
                       "would be read back into another field."));
    form.setText(QStringLiteral("edtNote"), QStringLiteral("kovex_tp_d1 = a near miss"));
    form.setText(QStringLiteral("edtH4"), QStringLiteral("2"));
    form.setText(QStringLiteral("edtLocation4"), QStringLiteral("x kovex_m401   = its own key again"));
    EXPECT_EQ(thrownText([&] { tpai::fileBytes(tpai::fileLines(form, QStringLiteral("now"))); }), QString());
    form.setText(QStringLiteral("edtLocation4"), QStringLiteral("kovex_language    =f"));
    EXPECT_NE(thrownText([&] { tpai::fileBytes(tpai::fileLines(form, QStringLiteral("now"))); }), QString());
}

const char* const kAdministrativeFields[]{
    "edtName",     "edtFirstName", "edtAddress",       "edtZipCode",    "edtCity",       "edtPhoneNr",
    "edtEmail",    "edtCallsign",  "edtNote",          "edtAntAddress", "edtAntZipCode", "edtAntCity",
    "edtLambertX", "edtLambertY",  "edtLONdeg",        "edtLONmin",     "edtLONsec",     "edtLATdeg",
    "edtLATmin",   "edtLATsec",    "edtOtherOperator", "edtNoteSite"};

// Values made of blanks, tabs, "=", near-keys and the code page's letters
// beyond ASCII; the letters can never spell a key.
QString randomValue(std::mt19937& random) {
    static const QStringList pieces{" ",
                                    "  ",
                                    "a",
                                    "Z",
                                    "0",
                                    "=",
                                    "_",
                                    "\t",
                                    "kovex_",
                                    "<HEAD>",
                                    QString::fromUtf8("é"),
                                    QString::fromUtf8("€"),
                                    QString::fromUtf8("œ"),
                                    QString::fromUtf8("ÿ"),
                                    QString::fromUtf8("ç")};
    QString value;
    const int length = std::uniform_int_distribution<int>(0, 8)(random);
    for (int i = 0; i < length; ++i)
        value += pieces[std::uniform_int_distribution<int>(0, int(pieces.size()) - 1)(random)];
    return value;
}

void fillRandomly(MainForm& f, std::mt19937& random) {
    auto chance = [&random] { return std::uniform_int_distribution<int>(0, 2)(random) != 0; };
    for (int k = 1; k <= 12; ++k) {
        f.setText(slotName("edtD", k), chance() ? QStringLiteral("d") + randomValue(random) : QString());
        f.setText(slotName("edtH", k), chance() ? randomValue(random) + QStringLiteral("h") : QString());
        f.setText(slotName("edtLocation", k), randomValue(random));
        f.setItemIndex(slotName("cmbSA", k), std::uniform_int_distribution<int>(-1, 9)(random));
    }
    for (const char* name : kAdministrativeFields)
        f.setText(QString::fromLatin1(name), randomValue(random));
    f.setItemIndex(QStringLiteral("cmbLanguage"), std::uniform_int_distribution<int>(-1, 2)(random));
}

QByteArray writtenBytes(const MainForm& f) {
    return tpai::fileBytes(tpai::fileLines(f, QStringLiteral("07/12/2026 21:05")));
}

TEST(TpaiRoundTrip, RestoresEveryWrittenControlExactly) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        MainForm written;
        fillRandomly(written, random);
        MainForm read;
        tpai::readBytes(read, writtenBytes(written));
        for (int k = 1; k <= 12; ++k) {
            SCOPED_TRACE(k);
            if (!written.text(slotName("edtH", k)).isEmpty()) {
                EXPECT_EQ(read.text(slotName("edtH", k)), written.text(slotName("edtH", k)));
                EXPECT_EQ(read.text(slotName("edtLocation", k)), written.text(slotName("edtLocation", k)));
            }
            if (!written.text(slotName("edtD", k)).isEmpty()) {
                EXPECT_EQ(read.text(slotName("edtD", k)), written.text(slotName("edtD", k)));
                EXPECT_EQ(read.itemIndex(slotName("cmbSA", k)), written.itemIndex(slotName("cmbSA", k)));
            }
        }
        for (const char* name : kAdministrativeFields)
            EXPECT_EQ(read.text(QString::fromLatin1(name)), written.text(QString::fromLatin1(name))) << name;
        EXPECT_EQ(read.itemIndex(QStringLiteral("cmbLanguage")),
                  written.itemIndex(QStringLiteral("cmbLanguage")));
    }
}

void expectSameControls(const MainForm& a, const MainForm& b, const std::set<QString>& except = {}) {
    for (const QString& name : a.controlNames()) {
        if (except.count(name))
            continue;
        const Control& x = a.ctl(name);
        const Control& y = b.ctl(name);
        EXPECT_TRUE(x.text == y.text && x.itemIndex == y.itemIndex && x.checked == y.checked &&
                    x.visible == y.visible && x.items == y.items && x.label == y.label &&
                    x.color == y.color && x.bold == y.bold)
            << name.toStdString();
    }
}

// The count of keys found tells a TPAI file from one that holds none: a
// file saved as UTF-16 has a zero byte between the characters of every key.
TEST(TpaiRead, CountsTheKeysFound) {
    MainForm form;
    EXPECT_EQ(tpai::readBytes(form, "kovex_name        =A\r\nkovex_tp_d1  =5\r\n<TAIL>\r\n"), 2);
    EXPECT_EQ(tpai::readBytes(form, QByteArray()), 0);
    const QString line = QStringLiteral("kovex_name        =B\r\n");
    const QByteArray utf16 =
        QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    EXPECT_EQ(tpai::readBytes(form, utf16), 0);
    EXPECT_EQ(form.text(QStringLiteral("edtName")), QStringLiteral("A"));
}

TEST(TpaiRead, ABareLineFeedEndsALineLikeCrLf) {
    std::mt19937 random(7);
    MainForm written;
    fillRandomly(written, random);
    written.setText(QStringLiteral("edtLambertX"), QString());
    written.setText(QStringLiteral("edtLONdeg"), QStringLiteral("4"));
    const QByteArray crLf = writtenBytes(written);
    QByteArray lf = crLf;
    lf.replace("\r\n", "\n");
    QByteArray mixed = crLf;
    mixed.replace("=\r\n", "=\n");
    MainForm fromCrLf;
    tpai::readBytes(fromCrLf, crLf);
    for (const QByteArray& bytes : {lf, mixed, lf.chopped(1)}) {
        MainForm other;
        tpai::readBytes(other, bytes);
        expectSameControls(fromCrLf, other);
    }
    EXPECT_TRUE(fromCrLf.checked(QStringLiteral("rdbWGS84")));

    // A bare CR ends a line too, instead of running every value on to the
    // end of the file.
    QByteArray cr = crLf;
    cr.replace("\r\n", "\r");
    MainForm fromCr;
    tpai::readBytes(fromCr, cr);
    expectSameControls(fromCrLf, fromCr);
}

std::set<QString> controlsNamedByKeys() {
    std::set<QString> named{"cmbLanguage", "rdbWGS84", "rdbLambert"};
    for (int k = 1; k <= 12; ++k)
        for (const char* base : {"edtD", "edtH", "edtLocation", "cmbSA"})
            named.insert(slotName(base, k));
    for (const char* name : kAdministrativeFields)
        named.insert(QString::fromLatin1(name));
    return named;
}

QByteArray randomBytes(std::mt19937& random) {
    static const QByteArray pieces[]{"\r\n",
                                     "\n",
                                     "\r",
                                     "=",
                                     " ",
                                     "kovex_tp_sa1 =",
                                     "kovex_tp_d",
                                     "kovex_mc0",
                                     "kovex_language    =",
                                     "kovex_name        =",
                                     "x",
                                     "7",
                                     "-",
                                     "\xe7",
                                     "\x80",
                                     "\x81",
                                     QByteArray(1, '\0'),
                                     "\xff"};
    QByteArray bytes;
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    for (int i = 0; i < count; ++i)
        bytes += pieces[std::uniform_int_distribution<int>(0, int(std::size(pieces)) - 1)(random)];
    return bytes;
}

QByteArray damagedFile(std::mt19937& random) {
    MainForm source;
    fillRandomly(source, random);
    QByteArray bytes = writtenBytes(source);
    bytes.truncate(std::uniform_int_distribution<int>(0, int(bytes.size()))(random));
    const int flips = std::uniform_int_distribution<int>(0, 4)(random);
    for (int i = 0; i < flips && !bytes.isEmpty(); ++i)
        bytes[std::uniform_int_distribution<int>(0, int(bytes.size()) - 1)(random)] =
            static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return bytes;
}

// Whatever the file holds, the reader ends normally or with the conversion
// error of a wall type, and leaves every control that no key names as it was.
TEST(TpaiRead, RandomAndTruncatedFilesTouchOnlyTheControlsOfTheirKeys) {
    std::mt19937 random(3);
    const std::set<QString> named = controlsNamedByKeys();
    for (int round = 0; round < 600; ++round) {
        const QByteArray bytes = round % 2 ? randomBytes(random) : damagedFile(random);
        MainForm before;
        fillRandomly(before, random);
        before.values.AccessFileName = QStringLiteral("kept");
        MainForm after = before;
        try {
            tpai::readBytes(after, bytes);
        } catch (const KovexError& error) {
            EXPECT_TRUE(error.text().endsWith(QLatin1String("' is not a valid integer value")));
        }
        expectSameControls(before, after, named);
        EXPECT_EQ(after.values.AccessFileName, QStringLiteral("kept"));
        EXPECT_EQ(after.values.TpaiFileName, QString());
        EXPECT_NE(after.checked(QStringLiteral("rdbWGS84")), after.checked(QStringLiteral("rdbLambert")));
    }
}

} // namespace
