#pragma once

#include "refdata/Session.h"

// The help buttons of the main window. Each shows its topic in the current
// help language in an information box and changes nothing of the case beyond
// the four scratch help texts.
namespace kovex {

void btnGeneralHelpClick(Session& p);
void btnInfoInputPowerClick(Session& p);
void btnInfoModeClick(Session& p);
void btnInfo6minClick(Session& p);
void btnInfoFeederLossClick(Session& p);
void btnInfoAddLossClick(Session& p);
void btnInfoFrequencyClick(Session& p);
void btnInfoAntennaTypeClick(Session& p);
void btnInfoAntennaHeightClick(Session& p);
void btnInfoTiltClick(Session& p);
void btnInfoTestPointsClick(Session& p);
void btnInfoGeoCoordinatesClick(Session& p);
void btnInfoBIPTFileClick(Session& p);
void btnInfoFileClick(Session& p);
void btnConditionsClick(Session& p);
void btnInfoSafetyCheckClick(Session& p);

} // namespace kovex
