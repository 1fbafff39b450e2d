#include "calc/FieldStrength.h"

#include "calc/AntennaResults.h"
#include "calc/FieldLimit.h"
#include "calc/KeptInputs.h"
#include "calc/PowerChain.h"
#include "calc/SafetyCheckHandlers.h"
#include "calc/Summary.h"
#include "calc/TestPoints.h"
#include "model/ControlNames.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kovex {

namespace {

// The degrees per radian and 4π as the field formula has always used them.
constexpr double kDegreesPerRadian = 57.295;
constexpr double kFourPi = 12.566370614359172954;
constexpr double kFreeSpaceImpedanceOhm = 377;

const QString kAntennaNumberWarning = QStringLiteral("The antenna number must be between 1 and 12 !");

// A pattern value missing from the antenna record stops the computation
// like any text that is no number.
double patternValue(const Session& p, const QString& column) {
    const QVariant value = antennaColumnValue(p, column);
    if (value.isNull() || !value.isValid())
        return num::toFloat(QString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : num::toFloat(value.toString());
}

VerticalPattern currentPattern(const Session& p) {
    VerticalPattern pattern;
    for (int i = 0; i < 10; ++i)
        pattern.gaindBi[static_cast<std::size_t>(i)] =
            patternValue(p, QStringLiteral("V%1").arg(i * 10, 2, 10, QLatin1Char('0')));
    pattern.backdBi = patternValue(p, QStringLiteral("VBACK"));
    return pattern;
}

void widenExtent(MainForm& f, const TestPointInput& point) {
    f.values.MaxTestPointDistanceM = std::max(f.values.MaxTestPointDistanceM, point.distanceM);
    if (point.heightM > 0)
        f.values.MaxTestPointHeightM = std::max(f.values.MaxTestPointHeightM, point.heightM);
    if (point.heightM < 0)
        f.values.MinTestPointHeightM = std::min(f.values.MinTestPointHeightM, point.heightM);
}

// A distance so small that the height difference divided by it overflows
// is named: the overflow alone would not tell the user which input to mend.
void refuseOverflowingSlope(double heightDifferenceM, double distanceM, int k) {
    if (distanceM != 0 && std::isinf(heightDifferenceM / distanceM))
        throw KovexError(
            "Floating point overflow: the height difference divided by the distance of test point " +
            QString::number(k) + '.');
}

AntennaInput readAntenna(const Session& p) {
    const MainForm& f = p.mainForm;
    return AntennaInput{f.values.PowerAndGain.InputPowerdBW, f.values.AntennaHeightM,
                        f.values.BandAndTilt.TiltDeg, currentPattern(p)};
}

// Without a test point in use the record has not been read; the safety
// check's distances then take it if they can, and a record without its
// pattern only goes without them, as the computation never stopped there.
std::optional<AntennaInput> antennaIfReadable(const Session& p) {
    try {
        return readAntenna(p);
    } catch (const KovexError&) {
        return std::nullopt;
    }
}

// The antenna is read from its record once per computation, when the first
// filled slot needs it: every slot sees the same record, and a slot's own
// conversion errors still come before a missing pattern value.
// Tells whether the safety check flags the point.
bool computeSlot(Session& p, std::optional<AntennaInput>& antenna, int k) {
    MainForm& f = p.mainForm;
    TestPointInput point;
    point.distanceM = f.number(ui::edtD[k]);
    point.heightM = f.number(ui::edtH[k]);
    point.wallAttenuationdB = WallAttenuationdB(f.itemIndex(ui::cmbSA[k]), f.values.BandAndTilt.FreqMinMHz);
    if (!antenna)
        antenna = readAntenna(p);
    refuseOverflowingSlope(antenna->heightM - point.heightM, point.distanceM, k);
    const PointField estimate = fieldAtPoint(*antenna, point);
    const double fieldVm = num::finite(estimate.fieldVm);
    showFieldOfSlot(f.ctl(ui::edtE[k]), f, fieldVm, k);
    widenExtent(f, point);
    return showSlotSafetyCheck(p, k, *antenna, point, estimate);
}

void resetExtent(MainForm& f) {
    f.values.MaxTestPointDistanceM = 0;
    f.values.MaxTestPointHeightM = f.number(ui::edtAntennaHeight);
    f.values.MinTestPointHeightM = 0;
}

void showLegend(MainForm& f) {
    const double limit = f.values.FieldLimitVm;
    f.setText(ui::lblLevel[1], "If all fields are blue, (E < " +
                                   num::fixed(limit * kLegend5PercentFactor, 3, 2) +
                                   " V/m ) , you do not need a terrain analysis.");
    f.setText(ui::lblLevel[2], "If some fields are red but < " +
                                   num::fixed(limit * kLegend80PercentFactor, 3, 2) +
                                   " V/m , you need to add a terrain analysis.");
    f.setText(ui::lblLevel[3], "If some fields are red and bold and < " + num::fixed(limit, 3, 2) +
                                   " V/m , you need to contact the BIPT,");
    f.setText(ui::lblLevel[4], "but if some fields are red and bold and > " + num::fixed(limit, 3, 2) +
                                   " V/m , your installation does not fullfill the regulations !");
}

// A number outside the grid's antenna columns would overwrite the columns
// of the test points, so such a column is refused.
void writeAntennaColumn(Session& p) {
    const std::int32_t column = p.mainForm.integer(ui::edtAntNr);
    if (column < 1 || column > kMaxAntennas) {
        p.platform.dialogs.warning(kAntennaNumberWarning);
        return;
    }
    p.mainForm.values.SummaryAntennaColumn = column;
    WriteSummaryColumn(p, column);
    // The inputs behind the column are kept beside it.
    keepAntennaInputs(p, column);
}

} // namespace

void showFieldOfSlot(Control& edit, const MainForm& f, double fieldVm, int k) {
    edit.color = fieldVm <= f.values.Field5PercentVm ? kBlue : kRed;
    edit.bold = fieldVm > f.values.Field80PercentVm;
    // Slot 9 has always shown one decimal only.
    edit.text = num::fixed(fieldVm, 5, k == 9 ? 1 : 2);
}

double VerticalPatternGaindBi(const VerticalPattern& pattern, double angleDeg) {
    if (!(angleDeg >= 0 && angleDeg < 90))
        return pattern.backdBi;
    const int k = static_cast<int>(angleDeg / 10);
    const double low = pattern.gaindBi[static_cast<std::size_t>(k)];
    const double high = pattern.gaindBi[static_cast<std::size_t>(k) + 1];
    return low - ((low - high) / 10) * (angleDeg - 10 * k);
}

PointField fieldAtPoint(const AntennaInput& antenna, const TestPointInput& point) {
    PointField result;
    const double dh = antenna.heightM - point.heightM;
    result.elevationDeg = std::atan(std::fabs(num::divide(dh, point.distanceM))) * kDegreesPerRadian;
    result.gaindBi = VerticalPatternGaindBi(antenna.pattern, result.elevationDeg + antenna.tiltDeg);
    result.powerW = pointSourcePowerW(antenna.inputPowerdBW, result.gaindBi, point.wallAttenuationdB);
    result.rangeM = point.distanceM / std::cos(result.elevationDeg / kDegreesPerRadian);
    result.fieldVm = pointSourceFieldVm(result.powerW, result.rangeM);
    return result;
}

double pointSourcePowerW(double inputPowerdBW, double gaindBi, double wallAttenuationdB) {
    return num::pow10((inputPowerdBW + gaindBi + wallAttenuationdB) / 10);
}

double pointSourceFieldVm(double powerW, double rangeM) {
    return num::sqrt(powerW * kFreeSpaceImpedanceOhm / (kFourPi * rangeM * rangeM));
}

void showFields(Session& p) {
    MainForm& f = p.mainForm;
    warnOfZeroHeight(p, f.number(ui::edtAntennaHeight));
    resetExtent(f);
    for (int k = 1; k <= kTestPointSlots; ++k)
        f.setText(ui::edtE[k], QString());
    clearSafetyCheck(f);
    std::optional<AntennaInput> antenna;
    int flagged = 0;
    for (int k = 1; k <= kTestPointSlots; ++k)
        if (!f.text(ui::edtD[k]).isEmpty() && !f.text(ui::edtH[k]).isEmpty())
            flagged += computeSlot(p, antenna, k) ? 1 : 0;
    showLegend(f);
    showSafetyLine(f, flagged);
    showComplianceDistances(p, antenna ? antenna : antennaIfReadable(p));
    writeAntennaColumn(p);
}

} // namespace kovex
