#pragma once

#include "model/Limits.h"

namespace kovex {

class StringGrid;

// Rows and columns of the summary grid that more than one writer or reader
// names.
namespace summary {
constexpr int kColumns = 18;
constexpr int kRows = 47;
constexpr int kFirstAntennaColumn = 1;
constexpr int kLastAntennaColumn = kMaxAntennas;
constexpr int kUnitColumn = 13;
constexpr int kMaxFieldColumn = 14;
constexpr int kDistanceColumn = 15;
constexpr int kHeightColumn = 16;
constexpr int kFromAntennaColumn = 17;
// Four blocks of rows, split by narrow empty rows 14, 27 and 34: the
// antenna and its results, the fields at the test points, the power chain,
// and the antenna record's vertical pattern.
constexpr int kFirstAntennaRow = 1;
constexpr int kTypeRow = 2; // an antenna column is in use when this is not empty
constexpr int kLastAntennaRow = 13;
constexpr int kFirstTestPointRow = 15; // test point k is on row 14 + k
constexpr int kLastTestPointRow = kFirstTestPointRow + kTestPointSlots - 1;
constexpr int kOutputPowerRow = 28;
constexpr int kLastPowerRow = 33;
constexpr int kAntennaIdRow = 35;
constexpr int kFirstPatternRow = 36; // 0 degrees, then every 10 degrees to 90, then the back
} // namespace summary

// Sizes, headings and units, set once when the window is created.
void setUpSummaryGrid(StringGrid& grid);

} // namespace kovex
