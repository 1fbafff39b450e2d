#pragma once

namespace kovex {

class StringGrid;

// Rows and columns of the summary grid that more than one writer or reader
// names.
namespace summary {
constexpr int kColumns = 18;
constexpr int kRows = 47;
constexpr int kFirstAntennaColumn = 1;
constexpr int kLastAntennaColumn = 12;
constexpr int kUnitColumn = 13;
constexpr int kMaxFieldColumn = 14;
constexpr int kDistanceColumn = 15;
constexpr int kHeightColumn = 16;
constexpr int kFromAntennaColumn = 17;
constexpr int kFirstTestPointRow = 15; // test point k is on row 14 + k
constexpr int kLastTestPointRow = 26;
} // namespace summary

// Sizes, headings and units, set once when the window is created.
void setUpSummaryGrid(StringGrid& grid);

} // namespace kovex
