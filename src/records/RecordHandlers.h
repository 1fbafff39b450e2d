#pragma once

namespace kovex {

class EventTable;

// Binds the handlers of the administrative record, its validation and the
// TPAI file.
void bindRecordHandlers(EventTable& events);

} // namespace kovex
