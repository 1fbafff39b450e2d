#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace kovex {

class MainForm;

// Which results no longer match their inputs: those of the Power, Antenna
// and Test points pages, each computed from the inputs of its own page and
// of the pages before it. A result is stale once one of those inputs differs
// from what it was when the result was last computed, until the next
// computation; typing the old value back makes it current again.
class StaleResults {
  public:
    // The computation of these results ran to its end on the inputs as they
    // stand: ui::btnPowerResults, ui::btnAntennaResults, ui::btnFieldResults or
    // ui::btnShowDiagram. Other names are no computation.
    void computed(const MainForm& f, const QString& computation);
    // The pages show results that match their inputs (start-up, a case
    // opened, an antenna recalled).
    void allCurrent(const MainForm& f);
    // The result controls to be shown as stale.
    QStringList staleControls(const MainForm& f) const;

  private:
    static constexpr int kStages = 3; // power, antenna, fields
    void keep(const MainForm& f, int lastStage);

    std::array<QStringList, kStages> m_inputs;
};

} // namespace kovex
