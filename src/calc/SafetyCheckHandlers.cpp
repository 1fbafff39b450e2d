#include "calc/SafetyCheckHandlers.h"

#include "calc/FieldLimit.h"
#include "calc/SafetyCheck.h"
#include "model/ControlNames.h"
#include "model/ListTables.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <cmath>

namespace kovex {

namespace {

const QString kNearField = QStringLiteral("near field");

// Heights above the zero reference of a standing person's head and of a
// first-floor window.
constexpr double kLowHeightM = 1.5;
constexpr double kHighHeightM = 4;

// The exposure ratio's classes are those of the fields: Σ(E/L)² of 0.05 and
// 0.8 are the power densities of 5 % and 80 % of the limit's.
constexpr double kRatio5Percent = 0.05;
constexpr double kRatio80Percent = 0.8;

// A record without a span (an older database, a record added by hand) is
// marked by the wavelength rule alone.
double antennaSpanM(const Session& p) {
    bool ok = false;
    const double span = antennaColumnValue(p, QStringLiteral("SPAN")).toDouble(&ok);
    return ok && std::isfinite(span) && span > 0 ? span : 0;
}

QString distanceText(double distanceM) {
    return num::fixed(distanceM, 0, 1) + " m";
}

QString distancesAt(const AntennaInput& antenna, const MainForm& f, double heightM) {
    QStringList distances;
    for (double threshold : {f.values.FieldLimitVm, f.values.Field80PercentVm, f.values.Field5PercentVm})
        distances << distanceText(complianceDistanceM(antenna, heightM, threshold));
    return distances.join(QStringLiteral(" / "));
}

QString keptText(const KeptControls& kept, const QString& name) {
    for (const auto& [keptName, state] : kept)
        if (keptName == name)
            return state.text;
    return {};
}

int keptItem(const KeptControls& kept, const QString& name) {
    for (const auto& [keptName, state] : kept)
        if (keptName == name)
            return state.itemIndex;
    return -1;
}

// A kept field is its shown text, rounded to two decimals (one in slot 9);
// the field it stands for may be up to half the last digit larger, and the
// ratio takes that larger field.
double largestFieldShownAsVm(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : trimmed.size() - point - 1;
    return num::toFloat(trimmed) + 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

// The limit of the band antenna c was computed on.
std::optional<double> keptLimitVm(const KeptControls& kept) {
    const int band = keptItem(kept, ui::cmbFrequency);
    if (band < 0 || band >= static_cast<int>(kBands.size()))
        return std::nullopt;
    return fieldLimitVm(kBands[static_cast<std::size_t>(band)].freqMaxMHz);
}

std::vector<FieldAndLimit> togetherAt(const MainForm& f, int k) {
    std::vector<FieldAndLimit> sources;
    for (int c = 1; c <= kMaxAntennas; ++c) {
        const KeptControls* kept = f.keptAntennas.find(c);
        if (!f.checked(ui::chkTogether[c]) || !kept)
            continue;
        const QString field = keptText(*kept, ui::edtCheckE[k]);
        const std::optional<double> limitVm = keptLimitVm(*kept);
        if (!field.isEmpty() && limitVm)
            sources.push_back({largestFieldShownAsVm(field), *limitVm});
    }
    return sources;
}

void showRatio(Control& edit, const std::vector<FieldAndLimit>& sources) {
    if (sources.empty()) {
        edit.text.clear();
        edit.color = kBlack;
        edit.bold = false;
        return;
    }
    const double ratio = exposureRatio(sources);
    edit.text = num::fixed(ratio, 4, 2);
    edit.color = ratio <= kRatio5Percent ? kBlue : kRed;
    edit.bold = ratio > kRatio80Percent;
}

} // namespace

const QStringList& safetyCheckNames() {
    static const QStringList names = [] {
        QStringList all;
        for (int k = 1; k <= kTestPointSlots; ++k)
            all << ui::edtCheckE[k] << ui::lblNearField[k];
        return all << ui::lblSafetyCheck << ui::lblCompliance;
    }();
    return names;
}

void clearSafetyCheck(MainForm& f) {
    for (int k = 1; k <= kTestPointSlots; ++k)
        eraseSlotSafetyCheck(f, k);
    f.setText(ui::lblSafetyCheck, QString());
}

void eraseSlotSafetyCheck(MainForm& f, int k) {
    f.setText(ui::edtCheckE[k], QString());
    f.setText(ui::lblNearField[k], QString());
}

// A fault of the check (a number beyond range) leaves its slot empty: the
// estimate beside it, the regulator's figure, is never held up by it.
bool showSlotSafetyCheck(Session& p, int k, const AntennaInput& antenna, const TestPointInput& point,
                         const PointField& estimate) {
    MainForm& f = p.mainForm;
    try {
        const CheckedPoint checked = checkedField(antenna, point, estimate);
        showFieldOfSlot(f.ctl(ui::edtCheckE[k]), f, num::finite(checked.fieldVm), k);
        const double radiusM = nearFieldRadiusM(f.values.BandAndTilt.FreqMinMHz, antennaSpanM(p));
        const bool near = inNearField(estimate.rangeM, radiusM);
        f.setText(ui::lblNearField[k], near ? kNearField : QString());
        return near || checked.fieldVm > estimate.fieldVm;
    } catch (const KovexError&) {
        eraseSlotSafetyCheck(f, k);
        return false;
    }
}

void showSafetyLine(MainForm& f, int flaggedPoints) {
    QString line;
    if (flaggedPoints == 1)
        line = QStringLiteral("At 1 point the field may be higher than the regulator's estimate: see the "
                              "safety check");
    else if (flaggedPoints > 1)
        line = QStringLiteral("At %1 points the field may be higher than the regulator's estimate: see the "
                              "safety check")
                   .arg(flaggedPoints);
    f.setText(ui::lblSafetyCheck, line);
}

void showComplianceDistances(Session& p, const std::optional<AntennaInput>& antenna) {
    MainForm& f = p.mainForm;
    QString text;
    try {
        if (antenna)
            text = QStringLiteral("Compliance distances from the mast (checked field, no wall), "
                                  "100 % / 80 % / 5 % of the limit:\r") +
                   "at 1.5 m: " + distancesAt(*antenna, f, kLowHeightM) + "\r" +
                   "at 4 m: " + distancesAt(*antenna, f, kHighHeightM);
    } catch (const KovexError&) {
        text.clear();
    }
    f.setText(ui::lblCompliance, text);
}

void showExposureRatios(Session& p) {
    MainForm& f = p.mainForm;
    for (int k = 1; k <= kTestPointSlots; ++k)
        showRatio(f.ctl(ui::edtRatio[k]), togetherAt(f, k));
}

void chkTogetherClick(Session& p) {
    showExposureRatios(p);
}

} // namespace kovex
