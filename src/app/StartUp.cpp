#include "StartUp.h"

#include "Program.h"
#include "calc/PowerChain.h"
#include "calc/SummaryGrid.h"
#include "records/AdministrativeRecord.h"
#include "refdata/Lookups.h"

namespace kovex {

namespace {

constexpr int kEnglish = 3;

// The page headings name the antenna that the pages describe.
void headingWithAntennaNumber(Program& p, const char* label, const char* heading) {
    p.form1.setText(QString::fromLatin1(label), QString::fromUtf8(heading) + p.form1.text("edtAntNr"));
}

void TabSheet2Show(Program& p) {
    headingWithAntennaNumber(p, "lblPowerAntennaNr", "Power at the input of my Antenna n° ");
}

void TabSheet3Show(Program& p) {
    headingWithAntennaNumber(p, "lblAntennaNr", "Characteristics of my Antenna n° ");
}

void TabSheet4Show(Program& p) {
    headingWithAntennaNumber(p, "lblFieldComputation", "Field calculation for my Antenna n° ");
}

void btnCloseClick(Program& p) {
    p.mainWindowClosed = true;
}

} // namespace

QString UpperCaseAscii(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

int helpLanguageFromNativeName(const QString& nativeName) {
    const QString prefix = UpperCaseAscii(nativeName.left(4));
    if (prefix == QLatin1String("FRAN"))
        return 0;
    if (prefix == QLatin1String("NEDE"))
        return 1;
    if (prefix == QLatin1String("DEUT"))
        return 2;
    return kEnglish;
}

void rdgLanguageClick(Program& p) {
    p.form1.setItemIndex("cmbLanguage", p.form1.itemIndex("rdgLanguage"));
}

void setHelpLanguage(Program& p, int language) {
    if (p.form1.itemIndex("rdgLanguage") == language)
        return;
    p.form1.setItemIndex("rdgLanguage", language);
    rdgLanguageClick(p);
}

void setFileNamesFromCallsign(Program& p) {
    MainForm& f = p.form1;
    f.AccessFileName = f.text("edtCallsign") + "_kovex.mdb";
    f.ReportFileName = f.text("edtCallsign") + "_report.txt";
    f.setText("btnSaveMDB", "Save " + f.AccessFileName + " and " + f.ReportFileName);
}

void FormCreate(Program& p) {
    MainForm& f = p.form1;
    setHelpLanguage(p, kEnglish);
    const int guessed = helpLanguageFromNativeName(p.platform.locale.nativeLanguageName());
    if (guessed != kEnglish)
        setHelpLanguage(p, guessed);
    f.setActivePage(0);
    f.setText("lblVersion", "(version 1.1 - 12/12/05)");
    setUpSummaryGrid(f.sgdTP);
    showCoordinateForm(f, CoordinateSystem::Lambert);
    f.setText("edtAntNr", "1");
    f.ctl("UpDown1").itemIndex = 1;
    f.DrawingAntennaNumber = 1;
    f.setVisible("edtOtherOperator", false);
    setFileNamesFromCallsign(p);
    f.setText("lblStep1", "Fill out distances and heights\rin the table, or click to ... ");
    // Number texts use "." from here on whatever the locale: the number module
    // never asks the locale, so there is nothing to switch.
}

void FormShow(Program& p) {
    MainForm& f = p.form1;
    f.setItemIndex("cmbMode", 3);
    f.setItemIndex("cmb6min", 4);
    for (int k = 1; k <= 3; ++k)
        setLookupKey(p, slotName("dblFeeder", k), QStringLiteral("1"));
    btnPowerResultsClick(p);
    setLookupKey(p, QStringLiteral("dblAntennaType"), QStringLiteral("1"));
    setLookupKey(p, QStringLiteral("dblAntennaRmk"), QStringLiteral("1"));
}

void bindStartUpHandlers(EventTable& events) {
    events.bind("rdgLanguage", Event::Click, rdgLanguageClick);
    events.bind("TabSheet2", Event::Show, TabSheet2Show);
    events.bind("TabSheet3", Event::Show, TabSheet3Show);
    events.bind("TabSheet4", Event::Show, TabSheet4Show);
    events.bind("btnClose", Event::Click, btnCloseClick);
}

} // namespace kovex
