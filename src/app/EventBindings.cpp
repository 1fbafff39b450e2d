#include "app/DossierExport.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "calc/AntennaResults.h"
#include "calc/FieldStrength.h"
#include "calc/KeptInputs.h"
#include "calc/PowerChain.h"
#include "calc/Recomputations.h"
#include "calc/SafetyCheckHandlers.h"
#include "calc/Summary.h"
#include "calc/TestPoints.h"
#include "drawing/DrawingHandlers.h"
#include "drawing/PictureOutput.h"
#include "help/HelpHandlers.h"
#include "model/ControlNames.h"
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
    ControlName control;
    Event event;
    void (*handler)(Session&);
};

// Every control bound to one handler of its own.
constexpr Binding kBindings[]{
    // Start page and page headings
    {ui::rdgLanguage, Event::Click, rdgLanguageClick},
    {ui::TabSheet2, Event::Show, TabSheet2Show},
    {ui::TabSheet3, Event::Show, TabSheet3Show},
    {ui::TabSheet4, Event::Show, TabSheet4Show},
    {ui::btnClose, Event::Click, btnCloseClick},
    // Reference lists
    {ui::dblAntennaType, Event::Enter, dblAntennaTypeEnter},
    {ui::dblAntennaRmk, Event::Enter, dblAntennaRmkEnter},
    {ui::dblAntennaType, Event::Click, dblAntennaTypeClick},
    {ui::dblAntennaRmk, Event::Click, dblAntennaRmkClick},
    // Power page
    {ui::cmbMode, Event::Change, ComputeCorrectionMode},
    {ui::cmb6min, Event::Change, ComputeCorrectionTime},
    {ui::btnPowerResults, Event::Click, btnPowerResultsClick},
    {ui::chkFeederCalculator, Event::Click, chkFeederCalculatorClick},
    {ui::chkAddLossCalculator, Event::Click, chkAddLossCalculatorClick},
    {ui::cmbFrequency, Event::Change, cmbFrequencyChange},
    {ui::edtPWRmeter, Event::Exit, ComputeAdditionalLosses},
    {ui::edtLPF, Event::Exit, ComputeAdditionalLosses},
    {ui::edtATU, Event::Exit, ComputeAdditionalLosses},
    {ui::edtNConnectors, Event::Exit, ComputeAdditionalLosses},
    {ui::edtdBPerConnector, Event::Exit, ComputeAdditionalLosses},
    // Antenna page
    {ui::btnAntennaResults, Event::Click, btnAntennaResultsClick},
    {ui::chkTilt, Event::Click, chkTiltClick},
    {ui::edtTilt, Event::Exit, edtTiltExit},
    // Test points and summary
    {ui::btnEraseTP, Event::Click, btnEraseTPClick},
    {ui::btnFieldResults, Event::Click, btnFieldResultsClick},
    {ui::TabSheet5, Event::Enter, TabSheet5Enter},
    {ui::btnNextAntenna, Event::Click, btnNextAntennaClick},
    {ui::btnClearAllResults, Event::Click, btnClearAllResultsClick},
    {ui::btnRecallAntenna, Event::Click, btnRecallAntennaClick},
    // Drawing window
    {ui::btnShowDiagram, Event::Click, btnShowDiagramClick},
    {ui::btnReturn, Event::Click, btnReturnClick},
    {ui::btnSaveDrawing, Event::Click, btnSaveDrawingClick},
    {ui::btnPrintDrawing, Event::Click, btnPrintDrawingClick},
    // Administrative page, TPAI file and help
    {ui::btnConditions, Event::Click, btnConditionsClick},
    {ui::edtCallsign, Event::Exit, edtCallsignExit},
    {ui::rdbLambert, Event::Click, rdbLambertClick},
    {ui::rdbWGS84, Event::Click, rdbWGS84Click},
    {ui::chkOtherOperator, Event::Click, chkOtherOperatorClick},
    {ui::rdbExistingSite, Event::Click, rdbExistingSiteClick},
    {ui::rdbNewSite, Event::Click, rdbNewSiteClick},
    {ui::btnValidate, Event::Click, btnValidateClick},
    {ui::Button1, Event::Click, Button1Click},
    {ui::btnSaveTPAI, Event::Click, btnSaveTPAIClick},
    {ui::btnLoadTP, Event::Click, btnLoadTPClick},
    {ui::btnLoadTPAI, Event::Click, btnLoadTPAIClick},
    {ui::btnSaveMDB, Event::Click, btnSaveMDBClick},
    // The case file
    {ui::mnuNewCase, Event::Click, mnuNewCaseClick},
    {ui::mnuOpenCase, Event::Click, mnuOpenCaseClick},
    {ui::mnuQuit, Event::Click, btnCloseClick},
    {ui::mnuSaveCase, Event::Click, mnuSaveCaseClick},
    {ui::mnuSaveCaseAs, Event::Click, mnuSaveCaseAsClick},
    {ui::mnuExportDossier, Event::Click, mnuExportDossierClick},
};

} // namespace

void bindAllHandlers(EventTable& events) {
    for (const Binding& binding : kBindings)
        events.bind(binding.control, binding.event, binding.handler);
    // The help buttons differ only by their topic, the upper-cased fields
    // only by their names.
    for (const HelpButton& help : kHelpButtons)
        events.bind(help.button, Event::Click, [topic = help.topic](Session& p) { showHelpTopic(p, topic); });
    for (const UpperCasedField& field : kUpperCasedFields)
        events.bind(field.field, Event::Exit, [field](Session& p) { leaveUpperCasedField(p, field); });
    // The three feeder sections and the twelve test-point slots share one
    // handler each.
    for (int k = 1; k <= 3; ++k) {
        events.bind(ui::dblFeeder[k], Event::Click, ComputeFeederLosses);
        events.bind(ui::edtLengthF[k], Event::Exit, ComputeFeederLosses);
    }
    for (int k = 1; k <= kTestPointSlots; ++k)
        events.bind(ui::cmbSA[k], Event::Change, [k](Session& p) { cmbSAChange(p, k); });
    for (int c = 1; c <= kMaxAntennas; ++c)
        events.bind(ui::chkTogether[c], Event::Click, chkTogetherClick);
    for (int k = 1; k <= kRecentCases; ++k)
        events.bind(ui::mnuRecentCase[k], Event::Click, [k](Session& p) { mnuRecentCaseClick(p, k); });
}

} // namespace kovex
