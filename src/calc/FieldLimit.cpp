#include "calc/FieldLimit.h"

#include <cmath>

namespace kovex {

double fieldLimitVm(std::int32_t freqMaxMHz) {
    if (freqMaxMHz < 400)
        return 13.7;
    if (freqMaxMHz <= 2000)
        return 0.686 * std::sqrt(static_cast<double>(freqMaxMHz));
    return 30.7;
}

} // namespace kovex
