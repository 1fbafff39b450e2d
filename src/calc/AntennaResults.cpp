#include "calc/AntennaResults.h"

#include "calc/FieldLimit.h"
#include "calc/PowerChain.h"
#include "calc/PowerTables.h"
#include "model/ControlNames.h"
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
    f.values.AntennaTypeName = f.text(ui::dblAntennaType);
    f.setText(ui::lblAntennaType, "Antenna : " + f.values.AntennaTypeName);
}

// Returns the height as typed; the case keeps it rounded to whole metres.
double showAntennaHeight(MainForm& f) {
    const double heightM = f.number(ui::edtAntennaHeight);
    f.values.AntennaHeightM = num::roundToInt(heightM);
    f.setText(ui::lblAntennaheight, "Antenna height = " + QString::number(f.values.AntennaHeightM) + " m");
    return heightM;
}

void showOpeningAnglesAndTilt(MainForm& f) {
    f.values.HorOpeningAngleDeg = 360;
    f.setText(ui::lblHorOpeningAngle,
              "Hor. opening angle = " + QString::number(f.values.HorOpeningAngleDeg) + " °");
    f.values.BandAndTilt.TiltDeg = 0;
    if (f.checked(ui::chkTilt))
        f.values.BandAndTilt.TiltDeg = f.number(ui::edtTilt);
    f.setText(ui::lblTilt, "Tilt = " + num::shortest(f.values.BandAndTilt.TiltDeg) + " °");
    const QString angle = f.text(ui::dbeVangle);
    f.values.BandAndTilt.VertOpeningAngleDeg = angle.isEmpty() ? 0 : num::toFloat(angle);
    f.setText(ui::lblVertOpeningAngle,
              "Vert. opening angle = " + num::shortest(f.values.BandAndTilt.VertOpeningAngleDeg) + " °");
}

void showBandAndLimit(MainForm& f) {
    const int band = f.itemIndex(ui::cmbFrequency);
    f.values.BandAndTilt.FreqMinMHz = bandFreqMinMHz(band);
    f.values.BandAndTilt.FreqMaxMHz = bandFreqMaxMHz(band);
    f.setText(ui::lblFromFreq, "Frequency from " + QString::number(f.values.BandAndTilt.FreqMinMHz) + " to " +
                                   QString::number(f.values.BandAndTilt.FreqMaxMHz) + " MHz");
    f.values.FieldLimitVm = fieldLimitVm(f.values.BandAndTilt.FreqMaxMHz);
    f.values.Field5PercentVm = f.values.FieldLimitVm * kField5PercentFactor;
    f.values.Field80PercentVm = f.values.FieldLimitVm * kField80PercentFactor;
}

void showGainAndEirp(MainForm& f) {
    f.setText(ui::lblInputPower,
              "Input power = " + num::fixed(f.values.PowerAndGain.InputPowerdBW, 0, 1) + " dBW");
    f.values.PowerAndGain.AntennaGaindBi = f.number(ui::dbeV00);
    f.setText(ui::lblAntGain,
              "Antenna gain = " + num::shortest(f.values.PowerAndGain.AntennaGaindBi) + " dBi");
    f.values.EIRPdBW = f.values.PowerAndGain.InputPowerdBW + f.values.PowerAndGain.AntennaGaindBi;
    f.setText(ui::lblEIRP, "EIRP = " + num::fixed(f.values.EIRPdBW, 3, 1) + " dBW");
}

void showPolarization(MainForm& f) {
    const Control& list = f.ctl(ui::cmbPolarization);
    const int item = list.itemIndex;
    if (item >= 0 && item < list.items.size())
        f.values.PolarizationCode = list.items[item];
    // With no item selected the list still shows a text ("H" at start-up):
    // what the user sees is what the results and the files get.
    else if (item < 0 && list.items.contains(list.text))
        f.values.PolarizationCode = list.text;
    f.setText(ui::lblPolarization, "Polarisation : " + f.values.PolarizationCode);
}

// Unchecked, the box leaves the beam untilted.
void clearTilt(MainForm& f) {
    f.setText(ui::edtTilt, "0");
    f.values.BandAndTilt.TiltDeg = 0;
}

} // namespace

void showAntennaInputs(Session& p) {
    MainForm& f = p.mainForm;
    showAntennaType(f);
    const double typedHeightM = showAntennaHeight(f);
    f.values.AntennaAzimuthDeg = 0;
    warnOfZeroHeight(p, typedHeightM);
    showOpeningAnglesAndTilt(f);
    showBandAndLimit(f);
}

void showAntennaGain(Session& p) {
    MainForm& f = p.mainForm;
    checkCurrentRecord(p, QStringLiteral("antennaPattern"));
    showGainAndEirp(f);
    showPolarization(f);
}

void warnOfZeroHeight(Session& p, double typedHeightM) {
    if (typedHeightM == 0)
        p.platform.dialogs.warning(kZeroHeightWarning);
}

void chkTiltClick(Session& p) {
    MainForm& f = p.mainForm;
    if (!f.checked(ui::chkTilt)) {
        clearTilt(f);
    } else if (f.number(ui::edtTilt) > kMaxTiltDeg) {
        p.platform.dialogs.warning(kTiltWarning);
        f.setChecked(ui::chkTilt, false);
        clearTilt(f);
        f.setText(ui::edtTilt, "0");
    }
    f.values.BandAndTilt.TiltDeg = f.number(ui::edtTilt);
}

void edtTiltExit(Session& p) {
    MainForm& f = p.mainForm;
    if (f.text(ui::edtTilt).isEmpty())
        return;
    if (f.number(ui::edtTilt) > kMaxTiltDeg) {
        p.platform.dialogs.warning(kTiltWarning);
        f.setText(ui::edtTilt, "0");
    }
    f.values.BandAndTilt.TiltDeg = f.number(ui::edtTilt);
}

} // namespace kovex
