#pragma once

#include "calc/FieldStrength.h"

#include <QStringList>
#include <optional>

namespace kovex {

class MainForm;
class Session;

// The safety check on the pages: beside every field of the Test points page
// its checked field and near-field mark, a line under the legend and the
// compliance distances of the antenna; on the Summary page the exposure
// ratio of the antennas that are on the air together. None of it changes
// what the regulator's estimate shows or what the files hold.

// The controls of the Test points page that the safety check writes.
const QStringList& safetyCheckNames();

// Empties the checked fields, the marks and the line under the legend; the
// field computation does so when it empties the fields.
void clearSafetyCheck(MainForm& f);
// Empties slot k's checked field and mark, as erasing the test points
// empties its field.
void eraseSlotSafetyCheck(MainForm& f, int k);

// Shows the checked field and the near-field mark of slot k beside its
// estimate; tells whether either says the field may be higher than shown.
bool showSlotSafetyCheck(Session& p, int k, const AntennaInput& antenna, const TestPointInput& point,
                         const PointField& estimate);
// The line under the legend, for the number of points flagged.
void showSafetyLine(MainForm& f, int flaggedPoints);
// The compliance distances of the antenna; empty without an antenna record.
void showComplianceDistances(Session& p, const std::optional<AntennaInput>& antenna);

// Σ(E/L)² at each test point over the antennas on the air together, from
// the checked fields kept with each antenna (each the largest field its
// rounded text may stand for).
void showExposureRatios(Session& p);
void chkTogetherClick(Session& p);

} // namespace kovex
