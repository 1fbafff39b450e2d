#include "records/RecordHandlers.h"

#include "Program.h"

namespace kovex {

void bindRecordHandlers(EventTable&) {}

} // namespace kovex
