#pragma once

#include "Program.h"

// The help buttons of the main window. Each shows its topic in the current
// help language in an information box and changes nothing of the case beyond
// the four scratch help texts.
namespace kovex {

void btnGeneralHelpClick(Program& p);
void btnInfoInputPowerClick(Program& p);
void btnInfoModeClick(Program& p);
void btnInfo6minClick(Program& p);
void btnInfoFeederLossClick(Program& p);
void btnInfoAddLossClick(Program& p);
void btnInfoFrequencyClick(Program& p);
void btnInfoAntennaTypeClick(Program& p);
void btnInfoAntennaHeightClick(Program& p);
void btnInfoTiltClick(Program& p);
void btnInfoTestPointsClick(Program& p);
void btnInfoGeoCoordinatesClick(Program& p);
void btnInfoBIPTFileClick(Program& p);
void btnInfoFileClick(Program& p);
void btnConditionsClick(Program& p);

// Binds the click of every help button to its handler.
void bindHelpHandlers(EventTable& events);

} // namespace kovex
