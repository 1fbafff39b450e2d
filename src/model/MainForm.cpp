#include "model/MainForm.h"

#include "model/Limits.h"
#include "model/ListTables.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QDir>
#include <stdexcept>

namespace kovex {

namespace {

const QStringList kPatternColumns{"V00", "V10", "V20", "V30", "V40", "V50", "V60", "V70", "V80", "V90"};

Control& withLabel(Control& control, const QString& label) {
    control.label = label;
    return control;
}

} // namespace

MainForm::MainForm() {
    add("PageControl1", ControlKind::Page).itemIndex = 0;
    add("lblVersion", ControlKind::Label);
    addStartPage();
    addPowerPage();
    addAntennaPage();
    addTestPointsPage();
    addSummaryPage();
    addAdministrativePage();
    addMenuBar();
}

Control& MainForm::add(const QString& name, ControlKind kind, const QString& text) {
    Control& control = m_controls[name];
    control.name = name;
    control.kind = kind;
    control.text = text;
    m_order.push_back(name);
    return control;
}

void MainForm::addStartPage() {
    add("TabSheet1", ControlKind::Page, "Start");
    Control& language = add("rdgLanguage", ControlKind::RadioGroup, "  Aide - Help - Hulp - Hilfe  ");
    language.items = {"français", "Nederlands", "Deutsch", "English"};
    add("btnGeneralHelp", ControlKind::Button, "Aide ?  Hulp ? Hilfe ? Help ?");
    Control& conditions = add("btnConditions", ControlKind::Button, "BELANGRIJK !  -  IMPORTANT !");
    conditions.color = kRed;
    conditions.bold = true;
    add("imgStart", ControlKind::Image);
}

void MainForm::addPowerPage() {
    add("TabSheet2", ControlKind::Page, "Power and Frequency information");
    add("lblPowerAntennaNr", ControlKind::Label, "Power at the input of my Antenna");
    add("gpbPowerAndFrequency", ControlKind::Group, " Step 1 : Power and Frequency  ");
    withLabel(add("edtOutputPower", ControlKind::Edit, "150"), "Transmitter output power (Watts) ");
    add("lblFrequency", ControlKind::Label, "Band or Frequency ");
    Control& band = add("cmbFrequency", ControlKind::Combo);
    band.items = itemTexts(kBands);
    setItemIndex("cmbFrequency", 1);
    add("btnInfoInputPower", ControlKind::Button, "i?");
    add("btnInfoFrequency", ControlKind::Button, "i?");

    add("gpbMode", ControlKind::Group, " Step 2 : Correction for the used transmission mode(s) ");
    add("cmbMode", ControlKind::Combo).items = itemTexts(kModes);
    setItemIndex("cmbMode", 3);
    add("lblkMode", ControlKind::Label, "Correction = ");
    add("btnInfoMode", ControlKind::Button, "i?");

    add("gpbTime", ControlKind::Group,
        " Step 3 : Correction for the time of operation in any 6 minute interval ");
    add("cmb6min", ControlKind::Combo).items = itemTexts(kTimes);
    setItemIndex("cmb6min", 4);
    add("lblk6min", ControlKind::Label, "Correction = ");
    add("btnInfo6min", ControlKind::Button, "i?");

    add("gpbFeederLoss", ControlKind::Group, " Step 4 : Feeder loss ");
    add("chkFeederCalculator", ControlKind::CheckBox, "use the feederloss calculator ").checked = true;
    add("gpbFeederLossCalculator", ControlKind::Group, " Feeder loss calculator  ");
    const QStringList lengthLabels{"x length 1 (m)", "x length 2 (m)", "x length 3 (m) "};
    for (int k = 1; k <= 3; ++k) {
        add(slotName("dblFeeder", k), ControlKind::Lookup);
        withLabel(add(slotName("edtLengthF", k), ControlKind::Edit, "0"), lengthLabels[k - 1]);
        add(slotName("lblLoss", k), ControlKind::Label, "= 0 dB");
        add(slotName("dbeAs", k), ControlKind::DbField).visible = false;
    }
    withLabel(add("edtFeederLoss", ControlKind::Edit, "0"), "Total feeder loss (dB)  ");
    add("btnInfoFeederLoss", ControlKind::Button, "i?");

    add("gpbAdditionalLosses", ControlKind::Group, " Step 5 : Additional losses ");
    add("chkAddLossCalculator", ControlKind::CheckBox, "use the additional loss calculator").checked = true;
    add("gpbAddLossCalculator", ControlKind::Group, " Additionnal loss calculator ");
    withLabel(add("edtPWRmeter", ControlKind::Edit, "0.03"), "Power or SWR meter (dB)");
    withLabel(add("edtLPF", ControlKind::Edit, "0.03"), "Low pass filter  (dB)");
    withLabel(add("edtATU", ControlKind::Edit, "0.1"), "Antenna Tuner (dB)");
    withLabel(add("edtNConnectors", ControlKind::Edit, "2"), "pair of connectors @ ");
    withLabel(add("edtdBPerConnector", ControlKind::Edit, "0.005"), "db/connector pair");
    withLabel(add("edtAddLoss", ControlKind::Edit, "0,17"), "Total other losses (dB) ");
    add("btnInfoAddLoss", ControlKind::Button, "i?");

    add("gpbPowerResult", ControlKind::Group, " Result");
    add("btnPowerResults", ControlKind::Button, "Input &Power calculation");
    add("lblAx10", ControlKind::Label, "[Ax10]");
    add("lblInputPower_calc", ControlKind::Label, "Input power = -99.9 dBW");
    add("imgPower", ControlKind::Image);
}

void MainForm::addAntennaPage() {
    add("TabSheet3", ControlKind::Page, "Antenna information ");
    add("lblAntennaNr", ControlKind::Label, "Characteristics of my Antenna");
    add("gpbAntennaDatabase", ControlKind::Group, " Step 1 : Antenna data base  ");
    withLabel(add("dblAntennaType", ControlKind::Lookup), "Antenna type");
    withLabel(add("dblAntennaRmk", ControlKind::Lookup), "Remark");
    add("btnInfoAntennaType", ControlKind::Button, "i?");
    add("dbeAntNr", ControlKind::DbField);
    for (const QString& column : kPatternColumns)
        add("dbe" + column, ControlKind::DbField);
    add("dbeVback", ControlKind::DbField);
    add("dbeVangle", ControlKind::DbField);
    withLabel(add("dbeHangle", ControlKind::DbField), "Half power angle");
    withLabel(add("dbeDir", ControlKind::DbField), "Directional.");
    add("dbePol", ControlKind::DbField);
    withLabel(add("dbeFreq", ControlKind::DbField), "Frequency");
    for (int angle = 0; angle <= 90; angle += 10)
        add(QStringLiteral("dbeH%1").arg(angle, 2, 10, QLatin1Char('0')), ControlKind::DbField).visible =
            false;
    add("dbeHback", ControlKind::DbField).visible = false;

    add("gpbAntennaHeight", ControlKind::Group, " Step 2 : ");
    withLabel(add("edtAntennaHeight", ControlKind::Edit, "0"), "Antenna height (m)  ");
    add("btnInfoAntennaHeight", ControlKind::Button, "i?");
    add("gpbPolarization", ControlKind::Group, " Step 3 : ");
    Control& polarization = withLabel(add("cmbPolarization", ControlKind::Combo, "H"), "Polarization");
    polarization.items = {"H", "V", "X"};
    add("gpbTilt", ControlKind::Group, " Step 4 : Tilt  ");
    add("chkTilt", ControlKind::CheckBox,
        "this antenna is used for satellite or EME with a minimum tilt of ");
    withLabel(add("edtTilt", ControlKind::Edit, "0"), " degrees");
    add("btnInfoTilt", ControlKind::Button, "i?");

    add("btnAntennaResults", ControlKind::Button, "&Antenna results");
    add("gpbAntennaResults", ControlKind::Group, "Results");
    add("lblAntennaType", ControlKind::Label, "Antenna : ");
    add("lblAntennaheight", ControlKind::Label, "Antenna height = ");
    add("lblAzimuth", ControlKind::Label, "Azimuth (°) ");
    add("lblHorOpeningAngle", ControlKind::Label, "Hor. opening angle = ");
    add("lblTilt", ControlKind::Label, "Tilt = ");
    add("lblVertOpeningAngle", ControlKind::Label, "Vert. opening angle = ");
    add("lblFromFreq", ControlKind::Label, "Frequency from ");
    add("lblInputPower", ControlKind::Label, "Input power = ");
    add("lblAntGain", ControlKind::Label, "Antenna gain = ");
    add("lblEIRP", ControlKind::Label, "EIRP = ");
    add("lblPolarization", ControlKind::Label, "Polarisation : ");
    add("lblAsteriksReport", ControlKind::Label, "* = report from Power information page");
    add("imgAntenna", ControlKind::Image);
}

void MainForm::addTestPointsPage() {
    add("TabSheet4", ControlKind::Page, "Test points and electrical fields");
    add("lblFieldComputation", ControlKind::Label, "Field calculation for my antenna");
    for (int k = 1; k <= kTestPointSlots; ++k) {
        add(slotName("edtD", k), ControlKind::Edit);
        add(slotName("edtH", k), ControlKind::Edit);
        add(slotName("edtLocation", k), ControlKind::Edit);
        Control& wall = add(slotName("cmbSA", k), ControlKind::Combo);
        wall.items = itemTexts(kWallTypes);
        wall.freeText = true;
        setItemIndex(wall.name, kNoWallType);
        add(slotName("lblkAS", k), ControlKind::Label, "0");
        add(slotName("edtE", k), ControlKind::Edit);
    }
    const QStringList levels{"E field < 5 % ", "5% < E field < 80 %", "80% < E field < 100 %",
                             "E field > 100 %"};
    for (int k = 1; k <= 4; ++k) {
        Control& level = add(slotName("lblLevel", k), ControlKind::Label, levels[k - 1]);
        level.color = k == 1 ? kBlue : kRed;
        level.bold = k >= 3;
    }
    add("gpbTestPointsStep1", ControlKind::Group, " Step 1 ");
    add("lblStep1", ControlKind::Label);
    add("btnLoadTP", ControlKind::Button, "&Load test points from a TPAI file ");
    add("Button1", ControlKind::Button, "&Save test points and administrative info (\"TPAI file\")");
    add("btnEraseTP", ControlKind::Button, "&Erase all test points");
    add("btnInfoTestPoints", ControlKind::Button, "i?");
    add("gpbTestPointsStep2", ControlKind::Group, " Step 2  ");
    add("btnFieldResults", ControlKind::Button, "Compute &fields");
    add("gpbTestPointsStep3", ControlKind::Group, " Step 3  ");
    add("btnShowDiagram", ControlKind::Button, "Show &Diagram");
    addSafetyCheck();
}

// The safety check beside the fields: the checked field and the near-field
// mark of each slot, the line under the legend, the compliance distances.
void MainForm::addSafetyCheck() {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        add(slotName("edtCheckE", k), ControlKind::Edit);
        add(slotName("lblNearField", k), ControlKind::Label).color = kRed;
    }
    add("lblSafetyCheck", ControlKind::Label).color = kRed;
    add("btnInfoSafetyCheck", ControlKind::Button, "i?");
    add("lblCompliance", ControlKind::Label);
}

void MainForm::addSummaryPage() {
    add("TabSheet5", ControlKind::Page, "Summary");
    add("sgdTP", ControlKind::Grid);
    withLabel(add("edtAntNr", ControlKind::Edit, "1"), "Next analysis will be done for the antenna number ");
    Control& upDown = add("UpDown1", ControlKind::UpDown);
    upDown.itemIndex = 1; // the position, within 1..kMaxAntennas
    add("btnRecallAntenna", ControlKind::Button, "&Recall antenna");
    add("btnClearAllResults", ControlKind::Button, "&Clear all results ");
    add("btnNextAntenna", ControlKind::Button, "Go to &next antenna").bold = true;
    // Antennas that transmit at the same time, and their exposure ratio at
    // each test point.
    for (int c = 1; c <= kMaxAntennas; ++c)
        add(slotName("chkTogether", c), ControlKind::CheckBox, "on the air together");
    for (int k = 1; k <= kTestPointSlots; ++k)
        add(slotName("edtRatio", k), ControlKind::Edit);
}

void MainForm::addAdministrativePage() {
    add("TabSheet6", ControlKind::Page, "Administrative info");
    add("gpbPersonal", ControlKind::Group, " Your personnal information  ");
    withLabel(add("edtName", ControlKind::Edit), "Name");
    withLabel(add("edtFirstName", ControlKind::Edit), "First name");
    withLabel(add("edtAddress", ControlKind::Edit), "Adress (Street and number)");
    withLabel(add("edtZipCode", ControlKind::Edit), "Postal code");
    withLabel(add("edtCity", ControlKind::Edit), "City");
    withLabel(add("edtPhoneNr", ControlKind::Edit), "Phone number (format : 02 123 45 67)");
    withLabel(add("edtEmail", ControlKind::Edit), "E-mail");
    withLabel(add("edtCallsign", ControlKind::Edit), "Callsign");
    withLabel(add("edtNote", ControlKind::Edit), "Note ");
    Control& language = withLabel(add("cmbLanguage", ControlKind::Combo, "Nederlands"), "Language");
    language.items = {"français", "Nederlands", "Deutsch"};

    add("gpbAntennaLocation", ControlKind::Group, " Antenna location ");
    add("chkAntLocationPersonnalAddress", ControlKind::CheckBox, "personnal adress = antenna location ")
        .checked = true;
    withLabel(add("edtAntAddress", ControlKind::Edit), "Address (street and number)");
    withLabel(add("edtAntZipCode", ControlKind::Edit), "Postal Code");
    withLabel(add("edtAntCity", ControlKind::Edit), "City");

    add("gpbCoordinates", ControlKind::Group, " Geographic coordinates ");
    add("rdbWGS84", ControlKind::Radio, "WGS84 (format: dd mm ss)");
    add("rdbLambert", ControlKind::Radio, "Lambert").checked = true;
    withLabel(add("edtLONdeg", ControlKind::Edit), "Longitude (East) ");
    add("edtLONmin", ControlKind::Edit);
    add("edtLONsec", ControlKind::Edit);
    withLabel(add("edtLATdeg", ControlKind::Edit), "Latitude (North) ");
    add("edtLATmin", ControlKind::Edit);
    add("edtLATsec", ControlKind::Edit);
    for (const char* name : {"edtLONdeg", "edtLONmin", "edtLONsec", "edtLATdeg", "edtLATmin", "edtLATsec"})
        setVisible(QString::fromLatin1(name), false);
    withLabel(add("edtLambertX", ControlKind::Edit), "Lambert X ");
    withLabel(add("edtLambertY", ControlKind::Edit), "Lambert Y ");
    add("btnInfoGeoCoordinates", ControlKind::Button, "i?");

    add("gpbOtherOperators", ControlKind::Group, " Other operator(s) on the same site  ");
    add("chkOtherOperator", ControlKind::CheckBox, "my site is also used by other operators (GSM, ...) ");
    withLabel(add("edtOtherOperator", ControlKind::Edit), "Name of the operators ").visible = false;

    add("gpbExistingSite", ControlKind::Group, " Existing site ");
    withLabel(add("edtNoteSite", ControlKind::Edit), "Note about the site ");
    add("rdbExistingSite", ControlKind::Radio, "there is already an antenna  on this site ").checked = true;
    add("rdbNewSite", ControlKind::Radio, "there is no antenna on this site ( new site )");

    add("btnValidate", ControlKind::Button, "&Validate data");
    add("btnSaveMDB", ControlKind::Button, "Save the BIPT access file ");
    add("btnInfoBIPTFile", ControlKind::Button, "i?");
    add("gpbUserFiles", ControlKind::Group, " User files  (\"TPAI files\")  ");
    add("btnSaveTPAI", ControlKind::Button, "Save Test Points and Administrative Info ");
    add("btnLoadTPAI", ControlKind::Button, "Load Test Points and Administrative Info");
    add("btnInfoFile", ControlKind::Button, "i?");
    add("btnClose", ControlKind::Button, "&Close");
    add("btnSendEmail2BIPT", ControlKind::Button, "Send E-mail to the BIPT").visible = false;
}

// The menu bar keeps the station's case in a file.
void MainForm::addMenuBar() {
    const auto item = [this](const QString& name, ControlKind kind, const QString& text,
                             const char* shortcut) -> Control& {
        Control& control = m_controls[name];
        control.name = name;
        control.kind = kind;
        control.text = text;
        control.shortcut = QString::fromLatin1(shortcut);
        m_menuOrder.push_back(control.name);
        return control;
    };
    // Alt+F is the Test points page's "Compute &fields".
    item("mnuFile", ControlKind::Menu, "F&ile", "");
    item("mnuNewCase", ControlKind::MenuItem, "&New case", "Ctrl+N");
    item("mnuOpenCase", ControlKind::MenuItem, QString::fromUtf8("&Open case…"), "Ctrl+O");
    // A submenu names the menu it lies in as its label, and so do its items;
    // the recent cases' items show only when there is a case to show.
    item("mnuOpenRecent", ControlKind::Menu, "Open &recent", "").label = QStringLiteral("mnuFile");
    for (int k = 1; k <= kRecentCases; ++k) {
        Control& recent = item(recentCaseItem(k), ControlKind::MenuItem, QString(), "");
        recent.label = QStringLiteral("mnuOpenRecent");
        recent.visible = false;
    }
    item("mnuSaveCase", ControlKind::MenuItem, "&Save case", "Ctrl+S");
    item("mnuSaveCaseAs", ControlKind::MenuItem, QString::fromUtf8("Save case &as…"), "Ctrl+Shift+S");
    item("mnuExportDossier", ControlKind::MenuItem, QString::fromUtf8("Export &dossier (PDF)…"), "");
    item("mnuQuit", ControlKind::MenuItem, "&Quit", "Ctrl+Q");
}

bool MainForm::hasControl(const QString& name) const {
    return m_controls.count(name) != 0;
}

Control& MainForm::ctl(const QString& name) {
    auto found = m_controls.find(name);
    if (found == m_controls.end())
        throw std::logic_error("no control named " + name.toStdString());
    return found->second;
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
    return ctl("PageControl1").itemIndex;
}

void MainForm::setActivePage(int index) {
    ctl("PageControl1").itemIndex = index;
}

} // namespace kovex
