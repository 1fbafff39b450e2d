#pragma once

#include <algorithm>
#include <cstdint>

namespace kovex {

// How often a value has changed, to tell unsaved changes without comparing
// the whole case. A copy starts with the count of its original. Assigning
// one value over another is a change of it: its count goes on from the
// larger of the two, so that a value put back as it was before never
// returns to a count it once had with other content. Counts take no part in
// comparing values.
class ChangeCount {
  public:
    ChangeCount() = default;
    ChangeCount(const ChangeCount&) = default;
    ChangeCount& operator=(const ChangeCount& other) {
        m_count = std::max(m_count, other.m_count) + 1;
        return *this;
    }
    ~ChangeCount() = default;

    void bump() { ++m_count; }
    std::uint64_t value() const { return m_count; }

    bool operator==(const ChangeCount&) const { return true; }

  private:
    std::uint64_t m_count = 0;
};

} // namespace kovex
