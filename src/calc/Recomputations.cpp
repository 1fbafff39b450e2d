#include "calc/Recomputations.h"

#include "calc/AntennaResults.h"
#include "calc/FieldStrength.h"
#include "calc/PowerChain.h"
#include "calc/TestPoints.h"

namespace kovex {

void runSteps(std::initializer_list<Step> steps, Session& p) {
    for (Step step : steps)
        step(p);
}

void recomputePower(Session& p) {
    runSteps({ComputeCorrectionMode, ComputeCorrectionTime, ComputeFeederLosses, ComputeAdditionalLosses,
              showInputPower},
             p);
}

void recomputeAntenna(Session& p) {
    runSteps({showAntennaInputs, ComputeFeederLosses, recomputePower, showAntennaGain}, p);
}

void recomputeFields(Session& p) {
    runSteps({recomputePower, recomputeAntenna, ComputeSpacialAttenuations, showFields}, p);
}

void btnPowerResultsClick(Session& p) {
    recomputePower(p);
}

void btnAntennaResultsClick(Session& p) {
    recomputeAntenna(p);
}

void btnFieldResultsClick(Session& p) {
    recomputeFields(p);
}

} // namespace kovex
