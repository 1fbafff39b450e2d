#include "calc/CalcHandlers.h"

#include "Program.h"
#include "calc/AntennaResults.h"
#include "calc/FieldStrength.h"
#include "calc/Summary.h"
#include "calc/TestPoints.h"

namespace kovex {

void bindCalcHandlers(EventTable& events) {
    bindAntennaHandlers(events);
    bindTestPointHandlers(events);
    bindFieldHandlers(events);
    bindSummaryHandlers(events);
}

} // namespace kovex
