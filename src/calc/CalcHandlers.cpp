#include "calc/CalcHandlers.h"

#include "Program.h"

namespace kovex {

void bindCalcHandlers(EventTable&) {}

} // namespace kovex
