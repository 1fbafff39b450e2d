// The one failure of the tool: a message naming the file (and line) at fault.
#pragma once

#include <QString>

namespace necpattern {

struct BuildError {
    QString message;
};

} // namespace necpattern
