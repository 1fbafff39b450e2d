#pragma once

#include "tools/common/BuildError.h"

namespace necpattern {

using kovex::BuildError;

} // namespace necpattern
