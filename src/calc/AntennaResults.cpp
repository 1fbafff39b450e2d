#include "calc/AntennaResults.h"

#include "calc/FieldLimit.h"
#include "calc/PowerChain.h"
#include "calc/PowerTables.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/NumberText.h"

namespace kovex {

namespace {

constexpr double kMaxTiltDeg = 35;

const QString kZeroHeightWarning = QStringLiteral(
    "The antenna height is equal to 0 !\rThis is a correct value for a ground plane on the ground,\r but "
    "this is not a good value for a beam !!!");
const QString kTiltWarning =
    QStringLiteral("This program does not allow minimum tilt angles greater than 35° !");

void showAntennaType(MainForm& f) {
    f.AntennaTypeName = f.text("dblAntennaType");
    f.setText("lblAntennaType", "Antenna : " + f.AntennaTypeName);
}

// Returns the height as typed; the case keeps it rounded to whole metres.
double showAntennaHeight(MainForm& f) {
    const double heightM = f.number("edtAntennaHeight");
    f.AntennaHeightM = num::roundToInt(heightM);
    f.setText("lblAntennaheight", "Antenna height = " + QString::number(f.AntennaHeightM) + " m");
    return heightM;
}

void showOpeningAnglesAndTilt(MainForm& f) {
    f.HorOpeningAngleDeg = 360;
    f.setText("lblHorOpeningAngle", "Hor. opening angle = " + QString::number(f.HorOpeningAngleDeg) + " °");
    f.BandAndTilt.TiltDeg = 0;
    if (f.checked("chkTilt"))
        f.BandAndTilt.TiltDeg = f.number("edtTilt");
    f.setText("lblTilt", "Tilt = " + num::shortest(f.BandAndTilt.TiltDeg) + " °");
    const QString angle = f.text("dbeVangle");
    f.BandAndTilt.VertOpeningAngleDeg = angle.isEmpty() ? 0 : num::toFloat(angle);
    f.setText("lblVertOpeningAngle",
              "Vert. opening angle = " + num::shortest(f.BandAndTilt.VertOpeningAngleDeg) + " °");
}

void showBandAndLimit(MainForm& f) {
    const int band = f.itemIndex("cmbFrequency");
    f.BandAndTilt.FreqMinMHz = bandFreqMinMHz(band);
    f.BandAndTilt.FreqMaxMHz = bandFreqMaxMHz(band);
    f.setText("lblFromFreq", "Frequency from " + QString::number(f.BandAndTilt.FreqMinMHz) + " to " +
                                 QString::number(f.BandAndTilt.FreqMaxMHz) + " MHz");
    f.FieldLimitVm = fieldLimitVm(f.BandAndTilt.FreqMaxMHz);
    f.Field5PercentVm = f.FieldLimitVm * kField5PercentFactor;
    f.Field80PercentVm = f.FieldLimitVm * kField80PercentFactor;
}

void showGainAndEirp(MainForm& f) {
    f.setText("lblInputPower", "Input power = " + num::fixed(f.PowerAndGain.InputPowerdBW, 0, 1) + " dBW");
    f.PowerAndGain.AntennaGaindBi = f.number("dbeV00");
    f.setText("lblAntGain", "Antenna gain = " + num::shortest(f.PowerAndGain.AntennaGaindBi) + " dBi");
    f.EIRPdBW = f.PowerAndGain.InputPowerdBW + f.PowerAndGain.AntennaGaindBi;
    f.setText("lblEIRP", "EIRP = " + num::fixed(f.EIRPdBW, 3, 1) + " dBW");
}

void showPolarization(MainForm& f) {
    const Control& list = f.ctl("cmbPolarization");
    const int item = list.itemIndex;
    if (item >= 0 && item < list.items.size())
        f.PolarizationCode = list.items[item];
    // With no item selected the list still shows a text ("H" at start-up):
    // what the user sees is what the results and the files get.
    else if (item < 0 && list.items.contains(list.text))
        f.PolarizationCode = list.text;
    f.setText("lblPolarization", "Polarisation : " + f.PolarizationCode);
}

// Unchecking the box from code runs its handler, as a user's click would.
void uncheckTilt(Session& p) {
    p.form1.setChecked("chkTilt", false);
    chkTiltClick(p);
}

} // namespace

void btnAntennaResultsClick(Session& p) {
    MainForm& f = p.form1;
    showAntennaType(f);
    const double typedHeightM = showAntennaHeight(f);
    f.AntennaAzimuthDeg = 0;
    warnOfZeroHeight(p, typedHeightM);
    showOpeningAnglesAndTilt(f);
    showBandAndLimit(f);
    ComputeFeederLosses(p);
    btnPowerResultsClick(p);
    checkCurrentRecord(p, QStringLiteral("ADOTable4"));
    showGainAndEirp(f);
    showPolarization(f);
}

void warnOfZeroHeight(Session& p, double typedHeightM) {
    if (typedHeightM == 0)
        p.platform.dialogs.warning(kZeroHeightWarning);
}

void chkTiltClick(Session& p) {
    MainForm& f = p.form1;
    if (!f.checked("chkTilt")) {
        f.setText("edtTilt", "0");
        f.BandAndTilt.TiltDeg = 0;
    } else if (f.number("edtTilt") > kMaxTiltDeg) {
        p.platform.dialogs.warning(kTiltWarning);
        uncheckTilt(p);
        f.setText("edtTilt", "0");
    }
    f.BandAndTilt.TiltDeg = f.number("edtTilt");
}

void edtTiltExit(Session& p) {
    MainForm& f = p.form1;
    if (f.text("edtTilt").isEmpty())
        return;
    if (f.number("edtTilt") > kMaxTiltDeg) {
        p.platform.dialogs.warning(kTiltWarning);
        f.setText("edtTilt", "0");
    }
    f.BandAndTilt.TiltDeg = f.number("edtTilt");
}

} // namespace kovex
