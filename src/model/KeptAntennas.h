#pragma once

#include "model/ChangeCount.h"
#include "model/Control.h"
#include "model/Limits.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kovex {

// One control as the user saw it: its text, the item of a list, the check of
// a box, for a list of a reference table the key of the record it shows, and
// whether it is shown, in which colour and weight.
struct KeptControl {
    QString text;
    int itemIndex = -1;
    bool checked = false;
    QString key;
    bool visible = true;
    QRgb color = kBlack;
    bool bold = false;

    bool operator==(const KeptControl&) const = default;
};

// Controls by name, in the order of the list of names they were kept by:
// kept after every field computation, so a plain list, not a tree.
using KeptControls = std::vector<std::pair<QString, KeptControl>>;

// The inputs of every antenna whose fields were computed, kept beside the
// summary column that computation wrote, so that an antenna can be put back
// on the pages and the whole station saved.
class KeptAntennas {
  public:
    // Antenna numbers outside 1..kMaxAntennas name no summary column and
    // keep nothing.
    void keep(int antenna, KeptControls inputs) {
        if (!inRange(antenna))
            return;
        auto& kept = m_antennas[static_cast<std::size_t>(antenna - 1)];
        if (kept == inputs && m_last == antenna)
            return;
        kept = std::move(inputs);
        m_last = antenna;
        m_changes.bump();
    }
    const KeptControls* find(int antenna) const {
        if (!inRange(antenna))
            return nullptr;
        const auto& kept = m_antennas[static_cast<std::size_t>(antenna - 1)];
        return kept ? &*kept : nullptr;
    }
    void clear() {
        if (*this == KeptAntennas())
            return;
        m_antennas = {};
        m_last = 0;
        m_changes.bump();
    }
    // The antenna computed last, 0 when none is kept.
    int last() const { return m_last; }
    void setLast(int antenna) {
        const int last = find(antenna) ? antenna : 0;
        if (last != m_last)
            m_changes.bump();
        m_last = last;
    }
    // Counts the changes of what is kept and of the antenna computed last.
    const ChangeCount& changes() const { return m_changes; }

    bool operator==(const KeptAntennas&) const = default;

  private:
    static bool inRange(int antenna) { return antenna >= 1 && antenna <= kMaxAntennas; }

    std::array<std::optional<KeptControls>, kMaxAntennas> m_antennas;
    int m_last = 0;
    ChangeCount m_changes;
};

// The file the case was last saved in or opened from, and the window's
// revision then, to tell whether the case has changed since.
struct CaseFileState {
    QString path; // empty for a case never saved
    std::uint64_t savedRevision = 0;
    // The antenna pages when the program started: what a case that keeps no
    // antenna shows when it is opened.
    KeptControls startPages;
};

} // namespace kovex
