#pragma once

namespace kovex {

class EventTable;

// Binds the handlers of the antenna results, the test points, the field
// computation and the summary.
void bindCalcHandlers(EventTable& events);

} // namespace kovex
