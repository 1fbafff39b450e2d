#include "app/StartUp.h"

#include "calc/PowerChain.h"
#include "calc/Recomputations.h"
#include "calc/SummaryGrid.h"
#include "model/ControlNames.h"
#include "records/AdministrativeRecord.h"
#include "records/CaseFile.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/LocaleNames.h"

namespace kovex {

namespace {

constexpr int kEnglish = 3;

// The page headings name the antenna that the pages describe.
void headingWithAntennaNumber(Session& p, ControlName label, const char* heading) {
    p.mainForm.setText(label, QString::fromUtf8(heading) + p.mainForm.text(ui::edtAntNr));
}

} // namespace

void TabSheet2Show(Session& p) {
    headingWithAntennaNumber(p, ui::lblPowerAntennaNr, "Power at the input of my Antenna n° ");
}

void TabSheet3Show(Session& p) {
    headingWithAntennaNumber(p, ui::lblAntennaNr, "Characteristics of my Antenna n° ");
}

void TabSheet4Show(Session& p) {
    headingWithAntennaNumber(p, ui::lblFieldComputation, "Field calculation for my Antenna n° ");
}

// Unsaved changes of the case are offered for saving first; the program
// stays when that save is cancelled.
void btnCloseClick(Session& p) {
    if (mayLeaveCase(p))
        p.mainWindowClosed = true;
}

void FormCreate(Session& p) {
    MainForm& f = p.mainForm;
    setHelpLanguage(p, kEnglish);
    const int guessed = helpLanguageFromNativeName(p.platform.locale.nativeLanguageName());
    if (guessed != kEnglish)
        setHelpLanguage(p, guessed);
    f.setActivePage(0);
    f.setText(ui::lblVersion, "(version 1.1 - 12/12/05)");
    setUpSummaryGrid(f.sgdTP);
    showCoordinateForm(f, CoordinateSystem::Lambert);
    f.setText(ui::edtAntNr, "1");
    f.ctl(ui::UpDown1).itemIndex = 1;
    f.values.DrawingAntennaNumber = 1;
    f.setVisible(ui::edtOtherOperator, false);
    setFileNamesFromCallsign(p);
    f.setText(ui::lblStep1, "Fill out distances and heights\rin the table, or click to ... ");
    // Number texts use "." from here on whatever the locale: the number module
    // never asks the locale, so there is nothing to switch.
}

void FormShow(Session& p) {
    MainForm& f = p.mainForm;
    f.setItemIndex(ui::cmbMode, 3);
    f.setItemIndex(ui::cmb6min, 4);
    for (int k = 1; k <= 3; ++k)
        setLookupKey(p, ui::dblFeeder[k], QStringLiteral("1"));
    recomputePower(p);
    setLookupKey(p, ui::dblAntennaType, QStringLiteral("1"));
    setLookupKey(p, ui::dblAntennaRmk, QStringLiteral("1"));
}

// Both windows as the program starts them, the reference databases staying
// open; the new case has nothing to save.
void mnuNewCaseClick(Session& p) {
    if (!mayLeaveCase(p))
        return;
    p.mainForm = MainForm();
    p.drawingForm = DrawingForm();
    FormCreate(p);
    showTables(p.mainForm, p.data);
    FormShow(p);
    startNewCase(p);
    p.mainForm.pagesPutBack = true;
}

} // namespace kovex
