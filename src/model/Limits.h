#pragma once

namespace kovex {

// A station case holds up to 12 antennas, each numbered 1 to 12 and stored
// in a summary column of its own.
inline constexpr int kMaxAntennas = 12;

// The test points are 12 fixed slots, numbered 1 to 12, common to all
// antennas.
inline constexpr int kTestPointSlots = 12;

} // namespace kovex
