#pragma once

#include "model/Limits.h"

#include <QLatin1StringView>
#include <QString>
#include <stdexcept>
#include <string>

// The names of the controls of both windows, one handle each: code names a
// control by its handle, so a misspelt name does not compile. The forms add
// their controls under these handles (model/MainForm.cpp,
// model/DrawingForm.cpp); the view and the scenarios find them by the same
// names as text.
namespace kovex {

// The names as text. Code asks for names by the thousand (a save some two
// thousand times), so each is made once in a thread and shared after.
QString nameText(const char* text);
QString slotNameText(const char* base, int k);

// The name of one control.
struct ControlName {
    const char* text;

    operator QString() const { return nameText(text); }
    constexpr QLatin1StringView latin1() const { return QLatin1StringView(text); }
};

// A family of controls numbered from 1, as edtE1 .. edtE12: edtE[7] is the
// name "edtE7".
struct ControlSlots {
    const char* base;
    int count;

    QString operator[](int k) const {
        if (k < 1 || k > count)
            throw std::logic_error(std::string("no control ") + base + std::to_string(k));
        return slotNameText(base, k);
    }
    constexpr QLatin1StringView stem() const { return QLatin1StringView(base); }
};

inline constexpr int kFeederSections = 3;
inline constexpr int kFieldLevels = 4;
// The File menu lists the last cases opened or saved, the latest first.
inline constexpr int kRecentCases = 5;

namespace ui {

// The main window, page by page, then its menu bar.
inline constexpr ControlName PageControl1{"PageControl1"};
inline constexpr ControlName lblVersion{"lblVersion"};
inline constexpr ControlName TabSheet1{"TabSheet1"};
inline constexpr ControlName rdgLanguage{"rdgLanguage"};
inline constexpr ControlName btnGeneralHelp{"btnGeneralHelp"};
inline constexpr ControlName btnConditions{"btnConditions"};
inline constexpr ControlName imgStart{"imgStart"};
inline constexpr ControlName TabSheet2{"TabSheet2"};
inline constexpr ControlName lblPowerAntennaNr{"lblPowerAntennaNr"};
inline constexpr ControlName gpbPowerAndFrequency{"gpbPowerAndFrequency"};
inline constexpr ControlName edtOutputPower{"edtOutputPower"};
inline constexpr ControlName lblFrequency{"lblFrequency"};
inline constexpr ControlName cmbFrequency{"cmbFrequency"};
inline constexpr ControlName btnInfoInputPower{"btnInfoInputPower"};
inline constexpr ControlName btnInfoFrequency{"btnInfoFrequency"};
inline constexpr ControlName gpbMode{"gpbMode"};
inline constexpr ControlName cmbMode{"cmbMode"};
inline constexpr ControlName lblkMode{"lblkMode"};
inline constexpr ControlName btnInfoMode{"btnInfoMode"};
inline constexpr ControlName gpbTime{"gpbTime"};
inline constexpr ControlName cmb6min{"cmb6min"};
inline constexpr ControlName lblk6min{"lblk6min"};
inline constexpr ControlName btnInfo6min{"btnInfo6min"};
inline constexpr ControlName gpbFeederLoss{"gpbFeederLoss"};
inline constexpr ControlName chkFeederCalculator{"chkFeederCalculator"};
inline constexpr ControlName gpbFeederLossCalculator{"gpbFeederLossCalculator"};
inline constexpr ControlName edtFeederLoss{"edtFeederLoss"};
inline constexpr ControlName btnInfoFeederLoss{"btnInfoFeederLoss"};
inline constexpr ControlName gpbAdditionalLosses{"gpbAdditionalLosses"};
inline constexpr ControlName chkAddLossCalculator{"chkAddLossCalculator"};
inline constexpr ControlName gpbAddLossCalculator{"gpbAddLossCalculator"};
inline constexpr ControlName edtPWRmeter{"edtPWRmeter"};
inline constexpr ControlName edtLPF{"edtLPF"};
inline constexpr ControlName edtATU{"edtATU"};
inline constexpr ControlName edtNConnectors{"edtNConnectors"};
inline constexpr ControlName edtdBPerConnector{"edtdBPerConnector"};
inline constexpr ControlName edtAddLoss{"edtAddLoss"};
inline constexpr ControlName btnInfoAddLoss{"btnInfoAddLoss"};
inline constexpr ControlName gpbPowerResult{"gpbPowerResult"};
inline constexpr ControlName btnPowerResults{"btnPowerResults"};
inline constexpr ControlName lblAx10{"lblAx10"};
inline constexpr ControlName lblInputPower_calc{"lblInputPower_calc"};
inline constexpr ControlName imgPower{"imgPower"};
inline constexpr ControlName TabSheet3{"TabSheet3"};
inline constexpr ControlName lblAntennaNr{"lblAntennaNr"};
inline constexpr ControlName gpbAntennaDatabase{"gpbAntennaDatabase"};
inline constexpr ControlName dblAntennaType{"dblAntennaType"};
inline constexpr ControlName dblAntennaRmk{"dblAntennaRmk"};
inline constexpr ControlName btnInfoAntennaType{"btnInfoAntennaType"};
inline constexpr ControlName dbeAntNr{"dbeAntNr"};
inline constexpr ControlName dbeV00{"dbeV00"};
inline constexpr ControlName dbeV10{"dbeV10"};
inline constexpr ControlName dbeV20{"dbeV20"};
inline constexpr ControlName dbeV30{"dbeV30"};
inline constexpr ControlName dbeV40{"dbeV40"};
inline constexpr ControlName dbeV50{"dbeV50"};
inline constexpr ControlName dbeV60{"dbeV60"};
inline constexpr ControlName dbeV70{"dbeV70"};
inline constexpr ControlName dbeV80{"dbeV80"};
inline constexpr ControlName dbeV90{"dbeV90"};
inline constexpr ControlName dbeVback{"dbeVback"};
inline constexpr ControlName dbeVangle{"dbeVangle"};
inline constexpr ControlName dbeHangle{"dbeHangle"};
inline constexpr ControlName dbeDir{"dbeDir"};
inline constexpr ControlName dbePol{"dbePol"};
inline constexpr ControlName dbeFreq{"dbeFreq"};
inline constexpr ControlName dbeH00{"dbeH00"};
inline constexpr ControlName dbeH10{"dbeH10"};
inline constexpr ControlName dbeH20{"dbeH20"};
inline constexpr ControlName dbeH30{"dbeH30"};
inline constexpr ControlName dbeH40{"dbeH40"};
inline constexpr ControlName dbeH50{"dbeH50"};
inline constexpr ControlName dbeH60{"dbeH60"};
inline constexpr ControlName dbeH70{"dbeH70"};
inline constexpr ControlName dbeH80{"dbeH80"};
inline constexpr ControlName dbeH90{"dbeH90"};
inline constexpr ControlName dbeHback{"dbeHback"};
inline constexpr ControlName gpbAntennaHeight{"gpbAntennaHeight"};
inline constexpr ControlName edtAntennaHeight{"edtAntennaHeight"};
inline constexpr ControlName btnInfoAntennaHeight{"btnInfoAntennaHeight"};
inline constexpr ControlName gpbPolarization{"gpbPolarization"};
inline constexpr ControlName cmbPolarization{"cmbPolarization"};
inline constexpr ControlName gpbTilt{"gpbTilt"};
inline constexpr ControlName chkTilt{"chkTilt"};
inline constexpr ControlName edtTilt{"edtTilt"};
inline constexpr ControlName btnInfoTilt{"btnInfoTilt"};
inline constexpr ControlName btnAntennaResults{"btnAntennaResults"};
inline constexpr ControlName gpbAntennaResults{"gpbAntennaResults"};
inline constexpr ControlName lblAntennaType{"lblAntennaType"};
inline constexpr ControlName lblAntennaheight{"lblAntennaheight"};
inline constexpr ControlName lblAzimuth{"lblAzimuth"};
inline constexpr ControlName lblHorOpeningAngle{"lblHorOpeningAngle"};
inline constexpr ControlName lblTilt{"lblTilt"};
inline constexpr ControlName lblVertOpeningAngle{"lblVertOpeningAngle"};
inline constexpr ControlName lblFromFreq{"lblFromFreq"};
inline constexpr ControlName lblInputPower{"lblInputPower"};
inline constexpr ControlName lblAntGain{"lblAntGain"};
inline constexpr ControlName lblEIRP{"lblEIRP"};
inline constexpr ControlName lblPolarization{"lblPolarization"};
inline constexpr ControlName lblAsteriksReport{"lblAsteriksReport"};
inline constexpr ControlName imgAntenna{"imgAntenna"};
inline constexpr ControlName TabSheet4{"TabSheet4"};
inline constexpr ControlName lblFieldComputation{"lblFieldComputation"};
inline constexpr ControlName gpbTestPointsStep1{"gpbTestPointsStep1"};
inline constexpr ControlName lblStep1{"lblStep1"};
inline constexpr ControlName btnLoadTP{"btnLoadTP"};
inline constexpr ControlName Button1{"Button1"};
inline constexpr ControlName btnEraseTP{"btnEraseTP"};
inline constexpr ControlName btnInfoTestPoints{"btnInfoTestPoints"};
inline constexpr ControlName gpbTestPointsStep2{"gpbTestPointsStep2"};
inline constexpr ControlName btnFieldResults{"btnFieldResults"};
inline constexpr ControlName gpbTestPointsStep3{"gpbTestPointsStep3"};
inline constexpr ControlName btnShowDiagram{"btnShowDiagram"};
inline constexpr ControlName lblSafetyCheck{"lblSafetyCheck"};
inline constexpr ControlName btnInfoSafetyCheck{"btnInfoSafetyCheck"};
inline constexpr ControlName lblCompliance{"lblCompliance"};
inline constexpr ControlName TabSheet5{"TabSheet5"};
inline constexpr ControlName sgdTP{"sgdTP"};
inline constexpr ControlName edtAntNr{"edtAntNr"};
inline constexpr ControlName UpDown1{"UpDown1"};
inline constexpr ControlName btnRecallAntenna{"btnRecallAntenna"};
inline constexpr ControlName btnClearAllResults{"btnClearAllResults"};
inline constexpr ControlName btnNextAntenna{"btnNextAntenna"};
inline constexpr ControlName TabSheet6{"TabSheet6"};
inline constexpr ControlName gpbPersonal{"gpbPersonal"};
inline constexpr ControlName edtName{"edtName"};
inline constexpr ControlName edtFirstName{"edtFirstName"};
inline constexpr ControlName edtAddress{"edtAddress"};
inline constexpr ControlName edtZipCode{"edtZipCode"};
inline constexpr ControlName edtCity{"edtCity"};
inline constexpr ControlName edtPhoneNr{"edtPhoneNr"};
inline constexpr ControlName edtEmail{"edtEmail"};
inline constexpr ControlName edtCallsign{"edtCallsign"};
inline constexpr ControlName edtNote{"edtNote"};
inline constexpr ControlName cmbLanguage{"cmbLanguage"};
inline constexpr ControlName gpbAntennaLocation{"gpbAntennaLocation"};
inline constexpr ControlName chkAntLocationPersonnalAddress{"chkAntLocationPersonnalAddress"};
inline constexpr ControlName edtAntAddress{"edtAntAddress"};
inline constexpr ControlName edtAntZipCode{"edtAntZipCode"};
inline constexpr ControlName edtAntCity{"edtAntCity"};
inline constexpr ControlName gpbCoordinates{"gpbCoordinates"};
inline constexpr ControlName rdbWGS84{"rdbWGS84"};
inline constexpr ControlName rdbLambert{"rdbLambert"};
inline constexpr ControlName edtLONdeg{"edtLONdeg"};
inline constexpr ControlName edtLONmin{"edtLONmin"};
inline constexpr ControlName edtLONsec{"edtLONsec"};
inline constexpr ControlName edtLATdeg{"edtLATdeg"};
inline constexpr ControlName edtLATmin{"edtLATmin"};
inline constexpr ControlName edtLATsec{"edtLATsec"};
inline constexpr ControlName edtLambertX{"edtLambertX"};
inline constexpr ControlName edtLambertY{"edtLambertY"};
inline constexpr ControlName btnInfoGeoCoordinates{"btnInfoGeoCoordinates"};
inline constexpr ControlName gpbOtherOperators{"gpbOtherOperators"};
inline constexpr ControlName chkOtherOperator{"chkOtherOperator"};
inline constexpr ControlName edtOtherOperator{"edtOtherOperator"};
inline constexpr ControlName gpbExistingSite{"gpbExistingSite"};
inline constexpr ControlName edtNoteSite{"edtNoteSite"};
inline constexpr ControlName rdbExistingSite{"rdbExistingSite"};
inline constexpr ControlName rdbNewSite{"rdbNewSite"};
inline constexpr ControlName btnValidate{"btnValidate"};
inline constexpr ControlName btnSaveMDB{"btnSaveMDB"};
inline constexpr ControlName btnInfoBIPTFile{"btnInfoBIPTFile"};
inline constexpr ControlName gpbUserFiles{"gpbUserFiles"};
inline constexpr ControlName btnSaveTPAI{"btnSaveTPAI"};
inline constexpr ControlName btnLoadTPAI{"btnLoadTPAI"};
inline constexpr ControlName btnInfoFile{"btnInfoFile"};
inline constexpr ControlName btnClose{"btnClose"};
inline constexpr ControlName btnSendEmail2BIPT{"btnSendEmail2BIPT"};
inline constexpr ControlName mnuFile{"mnuFile"};
inline constexpr ControlName mnuNewCase{"mnuNewCase"};
inline constexpr ControlName mnuOpenCase{"mnuOpenCase"};
inline constexpr ControlName mnuOpenRecent{"mnuOpenRecent"};
inline constexpr ControlName mnuSaveCase{"mnuSaveCase"};
inline constexpr ControlName mnuSaveCaseAs{"mnuSaveCaseAs"};
inline constexpr ControlName mnuExportDossier{"mnuExportDossier"};
inline constexpr ControlName mnuQuit{"mnuQuit"};

// Families of numbered controls of the main window.
inline constexpr ControlSlots dblFeeder{"dblFeeder", kFeederSections};
inline constexpr ControlSlots edtLengthF{"edtLengthF", kFeederSections};
inline constexpr ControlSlots lblLoss{"lblLoss", kFeederSections};
inline constexpr ControlSlots dbeAs{"dbeAs", kFeederSections};
inline constexpr ControlSlots edtD{"edtD", kTestPointSlots};
inline constexpr ControlSlots edtH{"edtH", kTestPointSlots};
inline constexpr ControlSlots edtLocation{"edtLocation", kTestPointSlots};
inline constexpr ControlSlots cmbSA{"cmbSA", kTestPointSlots};
inline constexpr ControlSlots lblkAS{"lblkAS", kTestPointSlots};
inline constexpr ControlSlots edtE{"edtE", kTestPointSlots};
inline constexpr ControlSlots lblLevel{"lblLevel", kFieldLevels};
inline constexpr ControlSlots edtCheckE{"edtCheckE", kTestPointSlots};
inline constexpr ControlSlots lblNearField{"lblNearField", kTestPointSlots};
inline constexpr ControlSlots chkTogether{"chkTogether", kMaxAntennas};
inline constexpr ControlSlots edtRatio{"edtRatio", kTestPointSlots};
inline constexpr ControlSlots mnuRecentCase{"mnuRecentCase", kRecentCases};

// The drawing window.
inline constexpr ControlName TForm2{"TForm2"};
inline constexpr ControlName imgPH{"imgPH"};
inline constexpr ControlName btnReturn{"btnReturn"};
inline constexpr ControlName btnSaveDrawing{"btnSaveDrawing"};
inline constexpr ControlName btnPrintDrawing{"btnPrintDrawing"};

} // namespace ui

} // namespace kovex
