#pragma once

#include "help/HelpTexts.h"
#include "model/ControlNames.h"
#include "refdata/Session.h"

// The help buttons of the main window. Each shows its topic in the current
// help language in an information box and changes nothing of the case beyond
// the four scratch help texts.
namespace kovex {

// Shows a help topic in the current help language.
void showHelpTopic(Session& p, help::Topic topic);

// The help buttons and the topic each shows.
struct HelpButton {
    ControlName button;
    help::Topic topic;
};
inline constexpr HelpButton kHelpButtons[]{
    {ui::btnGeneralHelp, help::Topic::General},
    {ui::btnInfoInputPower, help::Topic::InputPower},
    {ui::btnInfoMode, help::Topic::Mode},
    {ui::btnInfo6min, help::Topic::SixMinutes},
    {ui::btnInfoFeederLoss, help::Topic::FeederLoss},
    {ui::btnInfoAddLoss, help::Topic::AddLoss},
    {ui::btnInfoFrequency, help::Topic::Frequency},
    {ui::btnInfoAntennaType, help::Topic::AntennaType},
    {ui::btnInfoAntennaHeight, help::Topic::AntennaHeight},
    {ui::btnInfoTilt, help::Topic::Tilt},
    {ui::btnInfoTestPoints, help::Topic::TestPoints},
    {ui::btnInfoGeoCoordinates, help::Topic::GeoCoordinates},
    {ui::btnInfoBIPTFile, help::Topic::RegulatorFiles},
    {ui::btnInfoFile, help::Topic::TpaiFile},
    {ui::btnInfoSafetyCheck, help::Topic::SafetyCheck},
};

// The conditions of use, behind the red button of the Start page.
void btnConditionsClick(Session& p);

} // namespace kovex
