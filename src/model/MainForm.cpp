#include "model/MainForm.h"

#include "model/ControlNames.h"
#include "model/Limits.h"
#include "model/ListTables.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QDir>

namespace kovex {

namespace {

Control& withLabel(Control& control, const QString& label) {
    control.label = label;
    return control;
}

} // namespace

MainForm::MainForm() {
    add(ui::PageControl1, ControlKind::Page).itemIndex = 0;
    add(ui::lblVersion, ControlKind::Label);
    addStartPage();
    addPowerPage();
    addAntennaPage();
    addTestPointsPage();
    addSummaryPage();
    addAdministrativePage();
    addMenuBar();
}

Control& MainForm::add(const QString& name, ControlKind kind, const QString& text) {
    return m_controls.add(name, kind, text);
}

void MainForm::addStartPage() {
    add(ui::TabSheet1, ControlKind::Page, "Start");
    Control& language = add(ui::rdgLanguage, ControlKind::RadioGroup, "  Aide - Help - Hulp - Hilfe  ");
    language.items = {"français", "Nederlands", "Deutsch", "English"};
    add(ui::btnGeneralHelp, ControlKind::Button, "Aide ?  Hulp ? Hilfe ? Help ?");
    Control& conditions = add(ui::btnConditions, ControlKind::Button, "BELANGRIJK !  -  IMPORTANT !");
    conditions.color = kRed;
    conditions.bold = true;
    add(ui::imgStart, ControlKind::Image);
}

void MainForm::addPowerPage() {
    add(ui::TabSheet2, ControlKind::Page, "Power and Frequency information");
    add(ui::lblPowerAntennaNr, ControlKind::Label, "Power at the input of my Antenna");
    add(ui::gpbPowerAndFrequency, ControlKind::Group, " Step 1 : Power and Frequency  ");
    withLabel(add(ui::edtOutputPower, ControlKind::Edit, "150"), "Transmitter output power (Watts) ");
    add(ui::lblFrequency, ControlKind::Label, "Band or Frequency ");
    Control& band = add(ui::cmbFrequency, ControlKind::Combo);
    band.items = itemTexts(kBands);
    setItemIndex(ui::cmbFrequency, 1);
    add(ui::btnInfoInputPower, ControlKind::Button, "i?");
    add(ui::btnInfoFrequency, ControlKind::Button, "i?");

    add(ui::gpbMode, ControlKind::Group, " Step 2 : Correction for the used transmission mode(s) ");
    add(ui::cmbMode, ControlKind::Combo).items = itemTexts(kModes);
    setItemIndex(ui::cmbMode, 3);
    add(ui::lblkMode, ControlKind::Label, "Correction = ");
    add(ui::btnInfoMode, ControlKind::Button, "i?");

    add(ui::gpbTime, ControlKind::Group,
        " Step 3 : Correction for the time of operation in any 6 minute interval ");
    add(ui::cmb6min, ControlKind::Combo).items = itemTexts(kTimes);
    setItemIndex(ui::cmb6min, 4);
    add(ui::lblk6min, ControlKind::Label, "Correction = ");
    add(ui::btnInfo6min, ControlKind::Button, "i?");

    add(ui::gpbFeederLoss, ControlKind::Group, " Step 4 : Feeder loss ");
    add(ui::chkFeederCalculator, ControlKind::CheckBox, "use the feederloss calculator ").checked = true;
    add(ui::gpbFeederLossCalculator, ControlKind::Group, " Feeder loss calculator  ");
    const QStringList lengthLabels{"x length 1 (m)", "x length 2 (m)", "x length 3 (m) "};
    for (int k = 1; k <= 3; ++k) {
        add(ui::dblFeeder[k], ControlKind::Lookup);
        withLabel(add(ui::edtLengthF[k], ControlKind::Edit, "0"), lengthLabels[k - 1]);
        add(ui::lblLoss[k], ControlKind::Label, "= 0 dB");
        add(ui::dbeAs[k], ControlKind::DbField).visible = false;
    }
    withLabel(add(ui::edtFeederLoss, ControlKind::Edit, "0"), "Total feeder loss (dB)  ");
    add(ui::btnInfoFeederLoss, ControlKind::Button, "i?");

    add(ui::gpbAdditionalLosses, ControlKind::Group, " Step 5 : Additional losses ");
    add(ui::chkAddLossCalculator, ControlKind::CheckBox, "use the additional loss calculator").checked = true;
    add(ui::gpbAddLossCalculator, ControlKind::Group, " Additionnal loss calculator ");
    withLabel(add(ui::edtPWRmeter, ControlKind::Edit, "0.03"), "Power or SWR meter (dB)");
    withLabel(add(ui::edtLPF, ControlKind::Edit, "0.03"), "Low pass filter  (dB)");
    withLabel(add(ui::edtATU, ControlKind::Edit, "0.1"), "Antenna Tuner (dB)");
    withLabel(add(ui::edtNConnectors, ControlKind::Edit, "2"), "pair of connectors @ ");
    withLabel(add(ui::edtdBPerConnector, ControlKind::Edit, "0.005"), "db/connector pair");
    withLabel(add(ui::edtAddLoss, ControlKind::Edit, "0,17"), "Total other losses (dB) ");
    add(ui::btnInfoAddLoss, ControlKind::Button, "i?");

    add(ui::gpbPowerResult, ControlKind::Group, " Result");
    add(ui::btnPowerResults, ControlKind::Button, "Input &Power calculation");
    add(ui::lblAx10, ControlKind::Label, "[Ax10]");
    add(ui::lblInputPower_calc, ControlKind::Label, "Input power = -99.9 dBW");
    add(ui::imgPower, ControlKind::Image);
}

void MainForm::addAntennaPage() {
    add(ui::TabSheet3, ControlKind::Page, "Antenna information ");
    add(ui::lblAntennaNr, ControlKind::Label, "Characteristics of my Antenna");
    add(ui::gpbAntennaDatabase, ControlKind::Group, " Step 1 : Antenna data base  ");
    withLabel(add(ui::dblAntennaType, ControlKind::Lookup), "Antenna type");
    withLabel(add(ui::dblAntennaRmk, ControlKind::Lookup), "Remark");
    add(ui::btnInfoAntennaType, ControlKind::Button, "i?");
    add(ui::dbeAntNr, ControlKind::DbField);
    for (ControlName column : {ui::dbeV00, ui::dbeV10, ui::dbeV20, ui::dbeV30, ui::dbeV40, ui::dbeV50,
                               ui::dbeV60, ui::dbeV70, ui::dbeV80, ui::dbeV90})
        add(column, ControlKind::DbField);
    add(ui::dbeVback, ControlKind::DbField);
    add(ui::dbeVangle, ControlKind::DbField);
    withLabel(add(ui::dbeHangle, ControlKind::DbField), "Half power angle");
    withLabel(add(ui::dbeDir, ControlKind::DbField), "Directional.");
    add(ui::dbePol, ControlKind::DbField);
    withLabel(add(ui::dbeFreq, ControlKind::DbField), "Frequency");
    for (ControlName half : {ui::dbeH00, ui::dbeH10, ui::dbeH20, ui::dbeH30, ui::dbeH40, ui::dbeH50,
                             ui::dbeH60, ui::dbeH70, ui::dbeH80, ui::dbeH90})
        add(half, ControlKind::DbField).visible = false;
    add(ui::dbeHback, ControlKind::DbField).visible = false;

    add(ui::gpbAntennaHeight, ControlKind::Group, " Step 2 : ");
    withLabel(add(ui::edtAntennaHeight, ControlKind::Edit, "0"), "Antenna height (m)  ");
    add(ui::btnInfoAntennaHeight, ControlKind::Button, "i?");
    add(ui::gpbPolarization, ControlKind::Group, " Step 3 : ");
    Control& polarization = withLabel(add(ui::cmbPolarization, ControlKind::Combo, "H"), "Polarization");
    polarization.items = {"H", "V", "X"};
    add(ui::gpbTilt, ControlKind::Group, " Step 4 : Tilt  ");
    add(ui::chkTilt, ControlKind::CheckBox,
        "this antenna is used for satellite or EME with a minimum tilt of ");
    withLabel(add(ui::edtTilt, ControlKind::Edit, "0"), " degrees");
    add(ui::btnInfoTilt, ControlKind::Button, "i?");

    add(ui::btnAntennaResults, ControlKind::Button, "&Antenna results");
    add(ui::gpbAntennaResults, ControlKind::Group, "Results");
    add(ui::lblAntennaType, ControlKind::Label, "Antenna : ");
    add(ui::lblAntennaheight, ControlKind::Label, "Antenna height = ");
    add(ui::lblAzimuth, ControlKind::Label, "Azimuth (°) ");
    add(ui::lblHorOpeningAngle, ControlKind::Label, "Hor. opening angle = ");
    add(ui::lblTilt, ControlKind::Label, "Tilt = ");
    add(ui::lblVertOpeningAngle, ControlKind::Label, "Vert. opening angle = ");
    add(ui::lblFromFreq, ControlKind::Label, "Frequency from ");
    add(ui::lblInputPower, ControlKind::Label, "Input power = ");
    add(ui::lblAntGain, ControlKind::Label, "Antenna gain = ");
    add(ui::lblEIRP, ControlKind::Label, "EIRP = ");
    add(ui::lblPolarization, ControlKind::Label, "Polarisation : ");
    add(ui::lblAsteriksReport, ControlKind::Label, "* = report from Power information page");
    add(ui::imgAntenna, ControlKind::Image);
}

void MainForm::addTestPointsPage() {
    add(ui::TabSheet4, ControlKind::Page, "Test points and electrical fields");
    add(ui::lblFieldComputation, ControlKind::Label, "Field calculation for my antenna");
    for (int k = 1; k <= kTestPointSlots; ++k) {
        add(ui::edtD[k], ControlKind::Edit);
        add(ui::edtH[k], ControlKind::Edit);
        add(ui::edtLocation[k], ControlKind::Edit);
        Control& wall = add(ui::cmbSA[k], ControlKind::Combo);
        wall.items = itemTexts(kWallTypes);
        wall.freeText = true;
        setItemIndex(wall.name, kNoWallType);
        add(ui::lblkAS[k], ControlKind::Label, "0");
        add(ui::edtE[k], ControlKind::Edit);
    }
    const QStringList levels{"E field < 5 % ", "5% < E field < 80 %", "80% < E field < 100 %",
                             "E field > 100 %"};
    for (int k = 1; k <= 4; ++k) {
        Control& level = add(ui::lblLevel[k], ControlKind::Label, levels[k - 1]);
        level.color = k == 1 ? kBlue : kRed;
        level.bold = k >= 3;
    }
    add(ui::gpbTestPointsStep1, ControlKind::Group, " Step 1 ");
    add(ui::lblStep1, ControlKind::Label);
    add(ui::btnLoadTP, ControlKind::Button, "&Load test points from a TPAI file ");
    add(ui::Button1, ControlKind::Button, "&Save test points and administrative info (\"TPAI file\")");
    add(ui::btnEraseTP, ControlKind::Button, "&Erase all test points");
    add(ui::btnInfoTestPoints, ControlKind::Button, "i?");
    add(ui::gpbTestPointsStep2, ControlKind::Group, " Step 2  ");
    add(ui::btnFieldResults, ControlKind::Button, "Compute &fields");
    add(ui::gpbTestPointsStep3, ControlKind::Group, " Step 3  ");
    add(ui::btnShowDiagram, ControlKind::Button, "Show &Diagram");
    addSafetyCheck();
}

// The safety check beside the fields: the checked field and the near-field
// mark of each slot, the line under the legend, the compliance distances.
void MainForm::addSafetyCheck() {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        add(ui::edtCheckE[k], ControlKind::Edit);
        add(ui::lblNearField[k], ControlKind::Label).color = kRed;
    }
    add(ui::lblSafetyCheck, ControlKind::Label).color = kRed;
    add(ui::btnInfoSafetyCheck, ControlKind::Button, "i?");
    add(ui::lblCompliance, ControlKind::Label);
}

void MainForm::addSummaryPage() {
    add(ui::TabSheet5, ControlKind::Page, "Summary");
    add(ui::sgdTP, ControlKind::Grid);
    withLabel(add(ui::edtAntNr, ControlKind::Edit, "1"),
              "Next analysis will be done for the antenna number ");
    Control& upDown = add(ui::UpDown1, ControlKind::UpDown);
    upDown.itemIndex = 1; // the position, within 1..kMaxAntennas
    add(ui::btnRecallAntenna, ControlKind::Button, "&Recall antenna");
    add(ui::btnClearAllResults, ControlKind::Button, "&Clear all results ");
    add(ui::btnNextAntenna, ControlKind::Button, "Go to &next antenna").bold = true;
    // Antennas that transmit at the same time, and their exposure ratio at
    // each test point.
    for (int c = 1; c <= kMaxAntennas; ++c)
        add(ui::chkTogether[c], ControlKind::CheckBox, "on the air together");
    for (int k = 1; k <= kTestPointSlots; ++k)
        add(ui::edtRatio[k], ControlKind::Edit);
}

void MainForm::addAdministrativePage() {
    add(ui::TabSheet6, ControlKind::Page, "Administrative info");
    add(ui::gpbPersonal, ControlKind::Group, " Your personnal information  ");
    withLabel(add(ui::edtName, ControlKind::Edit), "Name");
    withLabel(add(ui::edtFirstName, ControlKind::Edit), "First name");
    withLabel(add(ui::edtAddress, ControlKind::Edit), "Adress (Street and number)");
    withLabel(add(ui::edtZipCode, ControlKind::Edit), "Postal code");
    withLabel(add(ui::edtCity, ControlKind::Edit), "City");
    withLabel(add(ui::edtPhoneNr, ControlKind::Edit), "Phone number (format : 02 123 45 67)");
    withLabel(add(ui::edtEmail, ControlKind::Edit), "E-mail");
    withLabel(add(ui::edtCallsign, ControlKind::Edit), "Callsign");
    withLabel(add(ui::edtNote, ControlKind::Edit), "Note ");
    Control& language = withLabel(add(ui::cmbLanguage, ControlKind::Combo, "Nederlands"), "Language");
    language.items = {"français", "Nederlands", "Deutsch"};

    add(ui::gpbAntennaLocation, ControlKind::Group, " Antenna location ");
    add(ui::chkAntLocationPersonnalAddress, ControlKind::CheckBox, "personnal adress = antenna location ")
        .checked = true;
    withLabel(add(ui::edtAntAddress, ControlKind::Edit), "Address (street and number)");
    withLabel(add(ui::edtAntZipCode, ControlKind::Edit), "Postal Code");
    withLabel(add(ui::edtAntCity, ControlKind::Edit), "City");

    add(ui::gpbCoordinates, ControlKind::Group, " Geographic coordinates ");
    add(ui::rdbWGS84, ControlKind::Radio, "WGS84 (format: dd mm ss)");
    add(ui::rdbLambert, ControlKind::Radio, "Lambert").checked = true;
    withLabel(add(ui::edtLONdeg, ControlKind::Edit), "Longitude (East) ");
    add(ui::edtLONmin, ControlKind::Edit);
    add(ui::edtLONsec, ControlKind::Edit);
    withLabel(add(ui::edtLATdeg, ControlKind::Edit), "Latitude (North) ");
    add(ui::edtLATmin, ControlKind::Edit);
    add(ui::edtLATsec, ControlKind::Edit);
    for (ControlName name :
         {ui::edtLONdeg, ui::edtLONmin, ui::edtLONsec, ui::edtLATdeg, ui::edtLATmin, ui::edtLATsec})
        setVisible(name, false);
    withLabel(add(ui::edtLambertX, ControlKind::Edit), "Lambert X ");
    withLabel(add(ui::edtLambertY, ControlKind::Edit), "Lambert Y ");
    add(ui::btnInfoGeoCoordinates, ControlKind::Button, "i?");

    add(ui::gpbOtherOperators, ControlKind::Group, " Other operator(s) on the same site  ");
    add(ui::chkOtherOperator, ControlKind::CheckBox, "my site is also used by other operators (GSM, ...) ");
    withLabel(add(ui::edtOtherOperator, ControlKind::Edit), "Name of the operators ").visible = false;

    add(ui::gpbExistingSite, ControlKind::Group, " Existing site ");
    withLabel(add(ui::edtNoteSite, ControlKind::Edit), "Note about the site ");
    add(ui::rdbExistingSite, ControlKind::Radio, "there is already an antenna  on this site ").checked = true;
    add(ui::rdbNewSite, ControlKind::Radio, "there is no antenna on this site ( new site )");

    add(ui::btnValidate, ControlKind::Button, "&Validate data");
    add(ui::btnSaveMDB, ControlKind::Button, "Save the BIPT access file ");
    add(ui::btnInfoBIPTFile, ControlKind::Button, "i?");
    add(ui::gpbUserFiles, ControlKind::Group, " User files  (\"TPAI files\")  ");
    add(ui::btnSaveTPAI, ControlKind::Button, "Save Test Points and Administrative Info ");
    add(ui::btnLoadTPAI, ControlKind::Button, "Load Test Points and Administrative Info");
    add(ui::btnInfoFile, ControlKind::Button, "i?");
    add(ui::btnClose, ControlKind::Button, "&Close");
    add(ui::btnSendEmail2BIPT, ControlKind::Button, "Send E-mail to the BIPT").visible = false;
}

// The menu bar keeps the station's case in a file.
void MainForm::addMenuBar() {
    const auto item = [this](const QString& name, ControlKind kind, const QString& text,
                             const char* shortcut) -> Control& {
        Control& control = m_menus.add(name, kind, text);
        control.shortcut = QString::fromLatin1(shortcut);
        return control;
    };
    // Alt+F is the Test points page's "Compute &fields".
    item(ui::mnuFile, ControlKind::Menu, "F&ile", "");
    item(ui::mnuNewCase, ControlKind::MenuItem, "&New case", "Ctrl+N");
    item(ui::mnuOpenCase, ControlKind::MenuItem, QString::fromUtf8("&Open case…"), "Ctrl+O");
    // A submenu names the menu it lies in as its label, and so do its items;
    // the recent cases' items show only when there is a case to show.
    item(ui::mnuOpenRecent, ControlKind::Menu, "Open &recent", "").label = ui::mnuFile;
    for (int k = 1; k <= kRecentCases; ++k) {
        Control& recent = item(ui::mnuRecentCase[k], ControlKind::MenuItem, QString(), "");
        recent.label = ui::mnuOpenRecent;
        recent.visible = false;
    }
    item(ui::mnuSaveCase, ControlKind::MenuItem, "&Save case", "Ctrl+S");
    item(ui::mnuSaveCaseAs, ControlKind::MenuItem, QString::fromUtf8("Save case &as…"), "Ctrl+Shift+S");
    item(ui::mnuExportDossier, ControlKind::MenuItem, QString::fromUtf8("Export &dossier (PDF)…"), "");
    item(ui::mnuQuit, ControlKind::MenuItem, "&Quit", "Ctrl+Q");
}

bool MainForm::hasControl(const QString& name) const {
    return m_controls.has(name) || m_menus.has(name);
}

Control& MainForm::ctl(const QString& name) {
    return m_menus.has(name) ? m_menus.find(name) : m_controls.find(name);
}

const Control& MainForm::ctl(const QString& name) const {
    return const_cast<MainForm*>(this)->ctl(name);
}

void MainForm::setItemIndex(const QString& name, int index) {
    Control& control = ctl(name);
    const bool inRange = index >= 0 && index < control.items.size();
    control.itemIndex = inRange ? index : -1;
    if (control.kind == ControlKind::Combo || control.kind == ControlKind::Lookup)
        control.text = inRange ? control.items[index] : QString();
}

double MainForm::number(const QString& name) const {
    try {
        return num::toFloat(text(name));
    } catch (KovexError& error) {
        error.setControl(name);
        throw;
    }
}

std::int32_t MainForm::integer(const QString& name) const {
    try {
        return num::toInt(text(name));
    } catch (KovexError& error) {
        error.setControl(name);
        throw;
    }
}

void MainForm::noteWrittenFiles(const QStringList& paths) {
    QStringList full;
    for (const QString& path : paths)
        full << QDir::cleanPath(QDir::current().absoluteFilePath(path));
    statusMessage = "Saved " + full.join(QStringLiteral(" and "));
}

int MainForm::activePage() const {
    return ctl(ui::PageControl1).itemIndex;
}

void MainForm::setActivePage(int index) {
    ctl(ui::PageControl1).itemIndex = index;
}

} // namespace kovex
