#pragma once

#include "support/KovexError.h"

namespace kovex {

// The one failure of a data tool: a message naming the file (and line) at
// fault, which the tool prints before it ends unsuccessfully.
class BuildError : public KovexError {
  public:
    using KovexError::KovexError;
};

} // namespace kovex
