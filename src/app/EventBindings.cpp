#include "app/DossierExport.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "calc/AntennaResults.h"
#include "calc/FieldStrength.h"
#include "calc/KeptInputs.h"
#include "calc/PowerChain.h"
#include "calc/SafetyCheckHandlers.h"
#include "calc/Summary.h"
#include "calc/TestPoints.h"
#include "drawing/DrawingHandlers.h"
#include "drawing/PictureOutput.h"
#include "help/HelpHandlers.h"
#include "model/MainForm.h"
#include "records/AccessSave.h"
#include "records/AdministrativeRecord.h"
#include "records/CaseFile.h"
#include "records/RecordHandlers.h"
#include "records/Validation.h"
#include "refdata/Lookups.h"

namespace kovex {

namespace {

struct Binding {
    const char* control;
    Event event;
    void (*handler)(Session&);
};

// Every control bound to one handler of its own.
constexpr Binding kBindings[]{
    // Start page and page headings
    {"rdgLanguage", Event::Click, rdgLanguageClick},
    {"TabSheet2", Event::Show, TabSheet2Show},
    {"TabSheet3", Event::Show, TabSheet3Show},
    {"TabSheet4", Event::Show, TabSheet4Show},
    {"btnClose", Event::Click, btnCloseClick},
    // Reference lists
    {"dblAntennaType", Event::Enter, dblAntennaTypeEnter},
    {"dblAntennaRmk", Event::Enter, dblAntennaRmkEnter},
    {"dblAntennaType", Event::Click, dblAntennaTypeClick},
    {"dblAntennaRmk", Event::Click, dblAntennaRmkClick},
    // Power page
    {"cmbMode", Event::Change, ComputeCorrectionMode},
    {"cmb6min", Event::Change, ComputeCorrectionTime},
    {"btnPowerResults", Event::Click, btnPowerResultsClick},
    {"chkFeederCalculator", Event::Click, chkFeederCalculatorClick},
    {"chkAddLossCalculator", Event::Click, chkAddLossCalculatorClick},
    {"cmbFrequency", Event::Change, cmbFrequencyChange},
    {"edtPWRmeter", Event::Exit, ComputeAdditionalLosses},
    {"edtLPF", Event::Exit, ComputeAdditionalLosses},
    {"edtATU", Event::Exit, ComputeAdditionalLosses},
    {"edtNConnectors", Event::Exit, ComputeAdditionalLosses},
    {"edtdBPerConnector", Event::Exit, ComputeAdditionalLosses},
    // Antenna page
    {"btnAntennaResults", Event::Click, btnAntennaResultsClick},
    {"chkTilt", Event::Click, chkTiltClick},
    {"edtTilt", Event::Exit, edtTiltExit},
    // Test points and summary
    {"btnEraseTP", Event::Click, btnEraseTPClick},
    {"btnFieldResults", Event::Click, btnFieldResultsClick},
    {"TabSheet5", Event::Enter, TabSheet5Enter},
    {"btnNextAntenna", Event::Click, btnNextAntennaClick},
    {"btnClearAllResults", Event::Click, btnClearAllResultsClick},
    {"btnRecallAntenna", Event::Click, btnRecallAntennaClick},
    // Drawing window
    {"btnShowDiagram", Event::Click, btnShowDiagramClick},
    {"btnReturn", Event::Click, btnReturnClick},
    {"btnSaveDrawing", Event::Click, btnSaveDrawingClick},
    {"btnPrintDrawing", Event::Click, btnPrintDrawingClick},
    // Administrative page, TPAI file and help
    {"btnGeneralHelp", Event::Click, btnGeneralHelpClick},
    {"btnInfoInputPower", Event::Click, btnInfoInputPowerClick},
    {"btnInfoMode", Event::Click, btnInfoModeClick},
    {"btnInfo6min", Event::Click, btnInfo6minClick},
    {"btnInfoFeederLoss", Event::Click, btnInfoFeederLossClick},
    {"btnInfoAddLoss", Event::Click, btnInfoAddLossClick},
    {"btnInfoFrequency", Event::Click, btnInfoFrequencyClick},
    {"btnInfoAntennaType", Event::Click, btnInfoAntennaTypeClick},
    {"btnInfoAntennaHeight", Event::Click, btnInfoAntennaHeightClick},
    {"btnInfoTilt", Event::Click, btnInfoTiltClick},
    {"btnInfoTestPoints", Event::Click, btnInfoTestPointsClick},
    {"btnInfoGeoCoordinates", Event::Click, btnInfoGeoCoordinatesClick},
    {"btnInfoBIPTFile", Event::Click, btnInfoBIPTFileClick},
    {"btnInfoFile", Event::Click, btnInfoFileClick},
    {"btnConditions", Event::Click, btnConditionsClick},
    {"btnInfoSafetyCheck", Event::Click, btnInfoSafetyCheckClick},
    {"edtName", Event::Exit, edtNameExit},
    {"edtFirstName", Event::Exit, edtFirstNameExit},
    {"edtAddress", Event::Exit, edtAddressExit},
    {"edtZipCode", Event::Exit, edtZipCodeExit},
    {"edtCity", Event::Exit, edtCityExit},
    {"edtCallsign", Event::Exit, edtCallsignExit},
    {"edtAntAddress", Event::Exit, edtAntAddressExit},
    {"edtAntCity", Event::Exit, edtAntCityExit},
    {"rdbLambert", Event::Click, rdbLambertClick},
    {"rdbWGS84", Event::Click, rdbWGS84Click},
    {"chkOtherOperator", Event::Click, chkOtherOperatorClick},
    {"rdbExistingSite", Event::Click, rdbExistingSiteClick},
    {"rdbNewSite", Event::Click, rdbNewSiteClick},
    {"btnValidate", Event::Click, btnValidateClick},
    {"Button1", Event::Click, Button1Click},
    {"btnSaveTPAI", Event::Click, btnSaveTPAIClick},
    {"btnLoadTP", Event::Click, btnLoadTPClick},
    {"btnLoadTPAI", Event::Click, btnLoadTPAIClick},
    {"btnSaveMDB", Event::Click, btnSaveMDBClick},
    // The case file
    {"mnuNewCase", Event::Click, mnuNewCaseClick},
    {"mnuOpenCase", Event::Click, mnuOpenCaseClick},
    {"mnuQuit", Event::Click, btnCloseClick},
    {"mnuSaveCase", Event::Click, mnuSaveCaseClick},
    {"mnuSaveCaseAs", Event::Click, mnuSaveCaseAsClick},
    {"mnuExportDossier", Event::Click, mnuExportDossierClick},
};

} // namespace

void bindAllHandlers(EventTable& events) {
    for (const Binding& binding : kBindings)
        events.bind(QString::fromLatin1(binding.control), binding.event, binding.handler);
    // The three feeder sections and the twelve test-point slots share one
    // handler each.
    for (int k = 1; k <= 3; ++k) {
        events.bind(slotName("dblFeeder", k), Event::Click, ComputeFeederLosses);
        events.bind(slotName("edtLengthF", k), Event::Exit, ComputeFeederLosses);
    }
    for (int k = 1; k <= kTestPointSlots; ++k)
        events.bind(slotName("cmbSA", k), Event::Change, [k](Session& p) { cmbSAChange(p, k); });
    for (int c = 1; c <= kMaxAntennas; ++c)
        events.bind(slotName("chkTogether", c), Event::Click, chkTogetherClick);
    for (int k = 1; k <= kRecentCases; ++k)
        events.bind(recentCaseItem(k), Event::Click, [k](Session& p) { mnuRecentCaseClick(p, k); });
}

} // namespace kovex
