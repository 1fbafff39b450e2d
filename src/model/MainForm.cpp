#include "model/MainForm.h"

#include "model/ControlNames.h"
#include "model/Limits.h"
#include "model/ListTables.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QDir>
#include <optional>
#include <stdexcept>

namespace kovex {

namespace {

// The pages of the main window, as PageControl1 numbers them.
enum class Page { None = -1, Start, Power, Antenna, TestPoints, Summary, Administrative };

// One control of the main window as it starts. A row that names a family
// (`family`) stands for all its members; consecutive rows of one `slotGroup`
// are added slot by slot, so that each slot's controls lie together.
struct ControlRow {
    QString name{};
    ControlKind kind = ControlKind::Label;
    Page page = Page::None;
    QString text{};
    QString label{};
    QStringList items{};
    std::optional<int> selected{}; // the item picked as for a user's pick
    int itemIndex = -1;            // the position of a control without items
    bool visible = true;
    bool checked = false;
    QRgb color = kBlack;
    bool bold = false;
    bool freeText = false;
    const ControlSlots* family = nullptr;
    int slotGroup = 0;
    // Per slot, overriding `label`.
    QStringList slotLabels{};
};

using K = ControlKind;
using P = Page;

// Every control of the pages, in the order the view and the kept inputs
// see them.
// clang-format off
const std::vector<ControlRow>& pageTable() {
    static const std::vector<ControlRow> rows{
        {.name = ui::PageControl1, .kind = K::Page, .itemIndex = 0},
        {.name = ui::lblVersion, .kind = K::Label},

        {.name = ui::TabSheet1, .kind = K::Page, .page = P::Start, .text = "Start"},
        {.name = ui::rdgLanguage, .kind = K::RadioGroup, .page = P::Start, .text = "  Aide - Help - Hulp - Hilfe  ",
         .items = {QString::fromUtf8("français"), "Nederlands", "Deutsch", "English"}},
        {.name = ui::btnGeneralHelp, .kind = K::Button, .page = P::Start, .text = "Aide ?  Hulp ? Hilfe ? Help ?"},
        {.name = ui::btnConditions, .kind = K::Button, .page = P::Start, .text = "BELANGRIJK !  -  IMPORTANT !",
         .color = kRed, .bold = true},
        {.name = ui::imgStart, .kind = K::Image, .page = P::Start},

        {.name = ui::TabSheet2, .kind = K::Page, .page = P::Power, .text = "Power and Frequency information"},
        {.name = ui::lblPowerAntennaNr, .kind = K::Label, .page = P::Power, .text = "Power at the input of my Antenna"},
        {.name = ui::gpbPowerAndFrequency, .kind = K::Group, .page = P::Power,
         .text = " Step 1 : Power and Frequency  "},
        {.name = ui::edtOutputPower, .kind = K::Edit, .page = P::Power, .text = "150",
         .label = "Transmitter output power (Watts) "},
        {.name = ui::lblFrequency, .kind = K::Label, .page = P::Power, .text = "Band or Frequency "},
        {.name = ui::cmbFrequency, .kind = K::Combo, .page = P::Power, .items = itemTexts(kBands), .selected = 1},
        {.name = ui::btnInfoInputPower, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::btnInfoFrequency, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::gpbMode, .kind = K::Group, .page = P::Power,
         .text = " Step 2 : Correction for the used transmission mode(s) "},
        {.name = ui::cmbMode, .kind = K::Combo, .page = P::Power, .items = itemTexts(kModes), .selected = 3},
        {.name = ui::lblkMode, .kind = K::Label, .page = P::Power, .text = "Correction = "},
        {.name = ui::btnInfoMode, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::gpbTime, .kind = K::Group, .page = P::Power,
         .text = " Step 3 : Correction for the time of operation in any 6 minute interval "},
        {.name = ui::cmb6min, .kind = K::Combo, .page = P::Power, .items = itemTexts(kTimes), .selected = 4},
        {.name = ui::lblk6min, .kind = K::Label, .page = P::Power, .text = "Correction = "},
        {.name = ui::btnInfo6min, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::gpbFeederLoss, .kind = K::Group, .page = P::Power, .text = " Step 4 : Feeder loss "},
        {.name = ui::chkFeederCalculator, .kind = K::CheckBox, .page = P::Power,
         .text = "use the feederloss calculator ", .checked = true},
        {.name = ui::gpbFeederLossCalculator, .kind = K::Group, .page = P::Power, .text = " Feeder loss calculator  "},
        {.kind = K::Lookup, .page = P::Power, .family = &ui::dblFeeder, .slotGroup = 1},
        {.kind = K::Edit, .page = P::Power, .text = "0", .family = &ui::edtLengthF, .slotGroup = 1,
         .slotLabels = {"x length 1 (m)", "x length 2 (m)", "x length 3 (m) "}},
        {.kind = K::Label, .page = P::Power, .text = "= 0 dB", .family = &ui::lblLoss, .slotGroup = 1},
        {.kind = K::DbField, .page = P::Power, .visible = false, .family = &ui::dbeAs, .slotGroup = 1},
        {.name = ui::edtFeederLoss, .kind = K::Edit, .page = P::Power, .text = "0",
         .label = "Total feeder loss (dB)  "},
        {.name = ui::btnInfoFeederLoss, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::gpbAdditionalLosses, .kind = K::Group, .page = P::Power, .text = " Step 5 : Additional losses "},
        {.name = ui::chkAddLossCalculator, .kind = K::CheckBox, .page = P::Power,
         .text = "use the additional loss calculator", .checked = true},
        {.name = ui::gpbAddLossCalculator, .kind = K::Group, .page = P::Power,
         .text = " Additionnal loss calculator "},
        {.name = ui::edtPWRmeter, .kind = K::Edit, .page = P::Power, .text = "0.03",
         .label = "Power or SWR meter (dB)"},
        {.name = ui::edtLPF, .kind = K::Edit, .page = P::Power, .text = "0.03", .label = "Low pass filter  (dB)"},
        {.name = ui::edtATU, .kind = K::Edit, .page = P::Power, .text = "0.1", .label = "Antenna Tuner (dB)"},
        {.name = ui::edtNConnectors, .kind = K::Edit, .page = P::Power, .text = "2",
         .label = "pair of connectors @ "},
        {.name = ui::edtdBPerConnector, .kind = K::Edit, .page = P::Power, .text = "0.005",
         .label = "db/connector pair"},
        {.name = ui::edtAddLoss, .kind = K::Edit, .page = P::Power, .text = "0,17",
         .label = "Total other losses (dB) "},
        {.name = ui::btnInfoAddLoss, .kind = K::Button, .page = P::Power, .text = "i?"},
        {.name = ui::gpbPowerResult, .kind = K::Group, .page = P::Power, .text = " Result"},
        {.name = ui::btnPowerResults, .kind = K::Button, .page = P::Power, .text = "Input &Power calculation"},
        {.name = ui::lblAx10, .kind = K::Label, .page = P::Power, .text = "[Ax10]"},
        {.name = ui::lblInputPower_calc, .kind = K::Label, .page = P::Power, .text = "Input power = -99.9 dBW"},
        {.name = ui::imgPower, .kind = K::Image, .page = P::Power},

        {.name = ui::TabSheet3, .kind = K::Page, .page = P::Antenna, .text = "Antenna information "},
        {.name = ui::lblAntennaNr, .kind = K::Label, .page = P::Antenna, .text = "Characteristics of my Antenna"},
        {.name = ui::gpbAntennaDatabase, .kind = K::Group, .page = P::Antenna, .text = " Step 1 : Antenna data base  "},
        {.name = ui::dblAntennaType, .kind = K::Lookup, .page = P::Antenna, .label = "Antenna type"},
        {.name = ui::dblAntennaRmk, .kind = K::Lookup, .page = P::Antenna, .label = "Remark"},
        {.name = ui::btnInfoAntennaType, .kind = K::Button, .page = P::Antenna, .text = "i?"},
        {.name = ui::dbeAntNr, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV00, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV10, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV20, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV30, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV40, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV50, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV60, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV70, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV80, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeV90, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeVback, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeVangle, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeHangle, .kind = K::DbField, .page = P::Antenna, .label = "Half power angle"},
        {.name = ui::dbeDir, .kind = K::DbField, .page = P::Antenna, .label = "Directional."},
        {.name = ui::dbePol, .kind = K::DbField, .page = P::Antenna},
        {.name = ui::dbeFreq, .kind = K::DbField, .page = P::Antenna, .label = "Frequency"},
        {.name = ui::dbeH00, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH10, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH20, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH30, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH40, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH50, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH60, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH70, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH80, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeH90, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::dbeHback, .kind = K::DbField, .page = P::Antenna, .visible = false},
        {.name = ui::gpbAntennaHeight, .kind = K::Group, .page = P::Antenna, .text = " Step 2 : "},
        {.name = ui::edtAntennaHeight, .kind = K::Edit, .page = P::Antenna, .text = "0",
         .label = "Antenna height (m)  "},
        {.name = ui::btnInfoAntennaHeight, .kind = K::Button, .page = P::Antenna, .text = "i?"},
        {.name = ui::gpbPolarization, .kind = K::Group, .page = P::Antenna, .text = " Step 3 : "},
        {.name = ui::cmbPolarization, .kind = K::Combo, .page = P::Antenna, .text = "H", .label = "Polarization",
         .items = {"H", "V", "X"}},
        {.name = ui::gpbTilt, .kind = K::Group, .page = P::Antenna, .text = " Step 4 : Tilt  "},
        {.name = ui::chkTilt, .kind = K::CheckBox, .page = P::Antenna,
         .text = "this antenna is used for satellite or EME with a minimum tilt of "},
        {.name = ui::edtTilt, .kind = K::Edit, .page = P::Antenna, .text = "0", .label = " degrees"},
        {.name = ui::btnInfoTilt, .kind = K::Button, .page = P::Antenna, .text = "i?"},
        {.name = ui::btnAntennaResults, .kind = K::Button, .page = P::Antenna, .text = "&Antenna results"},
        {.name = ui::gpbAntennaResults, .kind = K::Group, .page = P::Antenna, .text = "Results"},
        {.name = ui::lblAntennaType, .kind = K::Label, .page = P::Antenna, .text = "Antenna : "},
        {.name = ui::lblAntennaheight, .kind = K::Label, .page = P::Antenna, .text = "Antenna height = "},
        {.name = ui::lblAzimuth, .kind = K::Label, .page = P::Antenna, .text = QString::fromUtf8("Azimuth (°) ")},
        {.name = ui::lblHorOpeningAngle, .kind = K::Label, .page = P::Antenna, .text = "Hor. opening angle = "},
        {.name = ui::lblTilt, .kind = K::Label, .page = P::Antenna, .text = "Tilt = "},
        {.name = ui::lblVertOpeningAngle, .kind = K::Label, .page = P::Antenna, .text = "Vert. opening angle = "},
        {.name = ui::lblFromFreq, .kind = K::Label, .page = P::Antenna, .text = "Frequency from "},
        {.name = ui::lblInputPower, .kind = K::Label, .page = P::Antenna, .text = "Input power = "},
        {.name = ui::lblAntGain, .kind = K::Label, .page = P::Antenna, .text = "Antenna gain = "},
        {.name = ui::lblEIRP, .kind = K::Label, .page = P::Antenna, .text = "EIRP = "},
        {.name = ui::lblPolarization, .kind = K::Label, .page = P::Antenna, .text = "Polarisation : "},
        {.name = ui::lblAsteriksReport, .kind = K::Label, .page = P::Antenna,
         .text = "* = report from Power information page"},
        {.name = ui::imgAntenna, .kind = K::Image, .page = P::Antenna},

        {.name = ui::TabSheet4, .kind = K::Page, .page = P::TestPoints, .text = "Test points and electrical fields"},
        {.name = ui::lblFieldComputation, .kind = K::Label, .page = P::TestPoints,
         .text = "Field calculation for my antenna"},
        {.kind = K::Edit, .page = P::TestPoints, .family = &ui::edtD, .slotGroup = 2},
        {.kind = K::Edit, .page = P::TestPoints, .family = &ui::edtH, .slotGroup = 2},
        {.kind = K::Edit, .page = P::TestPoints, .family = &ui::edtLocation, .slotGroup = 2},
        {.kind = K::Combo, .page = P::TestPoints, .items = itemTexts(kWallTypes), .selected = kNoWallType,
         .freeText = true, .family = &ui::cmbSA, .slotGroup = 2},
        {.kind = K::Label, .page = P::TestPoints, .text = "0", .family = &ui::lblkAS, .slotGroup = 2},
        {.kind = K::Edit, .page = P::TestPoints, .family = &ui::edtE, .slotGroup = 2},
        {.name = ui::lblLevel[1], .kind = K::Label, .page = P::TestPoints, .text = "E field < 5 % ", .color = kBlue},
        {.name = ui::lblLevel[2], .kind = K::Label, .page = P::TestPoints, .text = "5% < E field < 80 %",
         .color = kRed},
        {.name = ui::lblLevel[3], .kind = K::Label, .page = P::TestPoints, .text = "80% < E field < 100 %",
         .color = kRed, .bold = true},
        {.name = ui::lblLevel[4], .kind = K::Label, .page = P::TestPoints, .text = "E field > 100 %",
         .color = kRed, .bold = true},
        {.name = ui::gpbTestPointsStep1, .kind = K::Group, .page = P::TestPoints, .text = " Step 1 "},
        {.name = ui::lblStep1, .kind = K::Label, .page = P::TestPoints},
        {.name = ui::btnLoadTP, .kind = K::Button, .page = P::TestPoints,
         .text = "&Load test points from a TPAI file "},
        {.name = ui::Button1, .kind = K::Button, .page = P::TestPoints,
         .text = "&Save test points and administrative info (\"TPAI file\")"},
        {.name = ui::btnEraseTP, .kind = K::Button, .page = P::TestPoints, .text = "&Erase all test points"},
        {.name = ui::btnInfoTestPoints, .kind = K::Button, .page = P::TestPoints, .text = "i?"},
        {.name = ui::gpbTestPointsStep2, .kind = K::Group, .page = P::TestPoints, .text = " Step 2  "},
        {.name = ui::btnFieldResults, .kind = K::Button, .page = P::TestPoints, .text = "Compute &fields"},
        {.name = ui::gpbTestPointsStep3, .kind = K::Group, .page = P::TestPoints, .text = " Step 3  "},
        {.name = ui::btnShowDiagram, .kind = K::Button, .page = P::TestPoints, .text = "Show &Diagram"},
        // The safety check beside the fields: the checked field and the
        // near-field mark of each slot, the line under the legend, the
        // compliance distances.
        {.kind = K::Edit, .page = P::TestPoints, .family = &ui::edtCheckE, .slotGroup = 3},
        {.kind = K::Label, .page = P::TestPoints, .color = kRed, .family = &ui::lblNearField, .slotGroup = 3},
        {.name = ui::lblSafetyCheck, .kind = K::Label, .page = P::TestPoints, .color = kRed},
        {.name = ui::btnInfoSafetyCheck, .kind = K::Button, .page = P::TestPoints, .text = "i?"},
        {.name = ui::lblCompliance, .kind = K::Label, .page = P::TestPoints},

        {.name = ui::TabSheet5, .kind = K::Page, .page = P::Summary, .text = "Summary"},
        {.name = ui::sgdTP, .kind = K::Grid, .page = P::Summary},
        {.name = ui::edtAntNr, .kind = K::Edit, .page = P::Summary, .text = "1",
         .label = "Next analysis will be done for the antenna number "},
        // The position, within 1..kMaxAntennas.
        {.name = ui::UpDown1, .kind = K::UpDown, .page = P::Summary, .itemIndex = 1},
        {.name = ui::btnRecallAntenna, .kind = K::Button, .page = P::Summary, .text = "&Recall antenna"},
        {.name = ui::btnClearAllResults, .kind = K::Button, .page = P::Summary, .text = "&Clear all results "},
        {.name = ui::btnNextAntenna, .kind = K::Button, .page = P::Summary, .text = "Go to &next antenna",
         .bold = true},
        // Antennas that transmit at the same time, and their exposure ratio
        // at each test point.
        {.kind = K::CheckBox, .page = P::Summary, .text = "on the air together", .family = &ui::chkTogether,
         .slotGroup = 4},
        {.kind = K::Edit, .page = P::Summary, .family = &ui::edtRatio, .slotGroup = 5},

        {.name = ui::TabSheet6, .kind = K::Page, .page = P::Administrative, .text = "Administrative info"},
        {.name = ui::gpbPersonal, .kind = K::Group, .page = P::Administrative,
         .text = " Your personnal information  "},
        {.name = ui::edtName, .kind = K::Edit, .page = P::Administrative, .label = "Name"},
        {.name = ui::edtFirstName, .kind = K::Edit, .page = P::Administrative, .label = "First name"},
        {.name = ui::edtAddress, .kind = K::Edit, .page = P::Administrative, .label = "Adress (Street and number)"},
        {.name = ui::edtZipCode, .kind = K::Edit, .page = P::Administrative, .label = "Postal code"},
        {.name = ui::edtCity, .kind = K::Edit, .page = P::Administrative, .label = "City"},
        {.name = ui::edtPhoneNr, .kind = K::Edit, .page = P::Administrative,
         .label = "Phone number (format : 02 123 45 67)"},
        {.name = ui::edtEmail, .kind = K::Edit, .page = P::Administrative, .label = "E-mail"},
        {.name = ui::edtCallsign, .kind = K::Edit, .page = P::Administrative, .label = "Callsign"},
        {.name = ui::edtNote, .kind = K::Edit, .page = P::Administrative, .label = "Note "},
        {.name = ui::cmbLanguage, .kind = K::Combo, .page = P::Administrative, .text = "Nederlands",
         .label = "Language", .items = {QString::fromUtf8("français"), "Nederlands", "Deutsch"}},
        {.name = ui::gpbAntennaLocation, .kind = K::Group, .page = P::Administrative, .text = " Antenna location "},
        {.name = ui::chkAntLocationPersonnalAddress, .kind = K::CheckBox, .page = P::Administrative,
         .text = "personnal adress = antenna location ", .checked = true},
        {.name = ui::edtAntAddress, .kind = K::Edit, .page = P::Administrative,
         .label = "Address (street and number)"},
        {.name = ui::edtAntZipCode, .kind = K::Edit, .page = P::Administrative, .label = "Postal Code"},
        {.name = ui::edtAntCity, .kind = K::Edit, .page = P::Administrative, .label = "City"},
        {.name = ui::gpbCoordinates, .kind = K::Group, .page = P::Administrative, .text = " Geographic coordinates "},
        {.name = ui::rdbWGS84, .kind = K::Radio, .page = P::Administrative, .text = "WGS84 (format: dd mm ss)"},
        {.name = ui::rdbLambert, .kind = K::Radio, .page = P::Administrative, .text = "Lambert", .checked = true},
        {.name = ui::edtLONdeg, .kind = K::Edit, .page = P::Administrative, .label = "Longitude (East) ",
         .visible = false},
        {.name = ui::edtLONmin, .kind = K::Edit, .page = P::Administrative, .visible = false},
        {.name = ui::edtLONsec, .kind = K::Edit, .page = P::Administrative, .visible = false},
        {.name = ui::edtLATdeg, .kind = K::Edit, .page = P::Administrative, .label = "Latitude (North) ",
         .visible = false},
        {.name = ui::edtLATmin, .kind = K::Edit, .page = P::Administrative, .visible = false},
        {.name = ui::edtLATsec, .kind = K::Edit, .page = P::Administrative, .visible = false},
        {.name = ui::edtLambertX, .kind = K::Edit, .page = P::Administrative, .label = "Lambert X "},
        {.name = ui::edtLambertY, .kind = K::Edit, .page = P::Administrative, .label = "Lambert Y "},
        {.name = ui::btnInfoGeoCoordinates, .kind = K::Button, .page = P::Administrative, .text = "i?"},
        {.name = ui::gpbOtherOperators, .kind = K::Group, .page = P::Administrative,
         .text = " Other operator(s) on the same site  "},
        {.name = ui::chkOtherOperator, .kind = K::CheckBox, .page = P::Administrative,
         .text = "my site is also used by other operators (GSM, ...) "},
        {.name = ui::edtOtherOperator, .kind = K::Edit, .page = P::Administrative,
         .label = "Name of the operators ", .visible = false},
        {.name = ui::gpbExistingSite, .kind = K::Group, .page = P::Administrative, .text = " Existing site "},
        {.name = ui::edtNoteSite, .kind = K::Edit, .page = P::Administrative, .label = "Note about the site "},
        {.name = ui::rdbExistingSite, .kind = K::Radio, .page = P::Administrative,
         .text = "there is already an antenna  on this site ", .checked = true},
        {.name = ui::rdbNewSite, .kind = K::Radio, .page = P::Administrative,
         .text = "there is no antenna on this site ( new site )"},
        {.name = ui::btnValidate, .kind = K::Button, .page = P::Administrative, .text = "&Validate data"},
        {.name = ui::btnSaveMDB, .kind = K::Button, .page = P::Administrative, .text = "Save the BIPT access file "},
        {.name = ui::btnInfoBIPTFile, .kind = K::Button, .page = P::Administrative, .text = "i?"},
        {.name = ui::gpbUserFiles, .kind = K::Group, .page = P::Administrative,
         .text = " User files  (\"TPAI files\")  "},
        {.name = ui::btnSaveTPAI, .kind = K::Button, .page = P::Administrative,
         .text = "Save Test Points and Administrative Info "},
        {.name = ui::btnLoadTPAI, .kind = K::Button, .page = P::Administrative,
         .text = "Load Test Points and Administrative Info"},
        {.name = ui::btnInfoFile, .kind = K::Button, .page = P::Administrative, .text = "i?"},
        {.name = ui::btnClose, .kind = K::Button, .page = P::Administrative, .text = "&Close"},
        {.name = ui::btnSendEmail2BIPT, .kind = K::Button, .page = P::Administrative,
         .text = "Send E-mail to the BIPT", .visible = false},
    };
    return rows;
}
// clang-format on

// Adds the row's control, or its family's members, as the row describes.
void addRow(ControlSet& controls, const ControlRow& row, const QString& name, int slot) {
    Control& control = controls.add(name, row.kind, row.text);
    control.label = slot > 0 && !row.slotLabels.isEmpty() ? row.slotLabels[slot - 1] : row.label;
    control.items = row.items;
    control.itemIndex = row.itemIndex;
    control.visible = row.visible;
    control.checked = row.checked;
    control.color = row.color;
    control.bold = row.bold;
    control.freeText = row.freeText;
    control.page = static_cast<int>(row.page);
}

} // namespace

MainForm::MainForm() {
    const std::vector<ControlRow>& rows = pageTable();
    for (std::size_t i = 0; i < rows.size();) {
        const ControlRow& row = rows[i];
        if (row.family == nullptr) {
            addRow(m_controls, row, row.name, 0);
            if (row.selected)
                setItemIndex(row.name, *row.selected);
            ++i;
            continue;
        }
        // The rows of one slot group, added slot by slot.
        std::size_t end = i;
        while (end < rows.size() && rows[end].family != nullptr && rows[end].slotGroup == row.slotGroup)
            ++end;
        for (int k = 1; k <= row.family->count; ++k)
            for (std::size_t r = i; r < end; ++r) {
                addRow(m_controls, rows[r], (*rows[r].family)[k], k);
                if (rows[r].selected)
                    setItemIndex((*rows[r].family)[k], *rows[r].selected);
            }
        i = end;
    }
    addMenuBar();
}

// The menu bar keeps the station's case in a file.
void MainForm::addMenuBar() {
    const auto item = [this](const QString& name, ControlKind kind, const QString& text,
                             const char* shortcut) -> Control& {
        if (m_controls.has(name)) // a name is one control's: the window's or the menu bar's
            throw std::logic_error("menu item and control both named " + name.toStdString());
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
    // Controls are asked for far more often than menu items: one lookup.
    if (Control* const control = m_controls.tryFind(name))
        return *control;
    return m_menus.find(name);
}

const Control& MainForm::ctl(const QString& name) const {
    return const_cast<MainForm*>(this)->ctl(name);
}

void MainForm::setItemIndex(const QString& name, int index) {
    const Control& control = ctl(name);
    const bool inRange = index >= 0 && index < control.items.size();
    if (control.kind == ControlKind::Combo || control.kind == ControlKind::Lookup)
        setText(name, inRange ? control.items[index] : QString());
    set(name, &Control::itemIndex, inRange ? index : -1);
}

void MainForm::keepInCase(const std::vector<QString>& names) {
    for (const QString& name : names)
        ctl(name).keptInCase = true;
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
