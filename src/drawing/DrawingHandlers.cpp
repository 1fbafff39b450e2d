#include "drawing/DrawingHandlers.h"

#include "calc/FieldStrength.h"
#include "calc/Recomputations.h"
#include "model/ControlNames.h"
#include "model/Limits.h"
#include "model/ListTables.h"
#include "refdata/Session.h"

#include <QLocale>

namespace kovex {

namespace {

const QString kVersionText = QStringLiteral("(version 1.1 - 12/12/05)");

// The user's short date and time, with the digits and separators that the
// user's formats give; names of days or months, if a format has them, stay
// English like every other text of the picture.
QString titleDateTime(const Platform& platform) {
    const QDateTime now = platform.clock.now();
    const QLocale neutral = QLocale::c();
    return neutral.toString(now, platform.locale.shortDateFormat()) + QLatin1Char(' ') +
           neutral.toString(now, platform.locale.shortTimeFormat()) + QLatin1Char(' ') + kVersionText;
}

// The slots are drawn from the last to the first, so that the label of a
// lower-numbered point lies on top.
std::vector<PictureTestPoint> testPoints(const MainForm& f) {
    std::vector<PictureTestPoint> points;
    for (int k = kTestPointSlots; k >= 1; --k) {
        if (f.text(ui::edtD[k]).isEmpty() || f.text(ui::edtH[k]).isEmpty())
            continue;
        PictureTestPoint point;
        point.number = k;
        point.distanceM = f.number(ui::edtD[k]);
        point.heightM = f.number(ui::edtH[k]);
        point.fieldText = f.text(ui::edtE[k]);
        point.behindWall = f.itemIndex(ui::cmbSA[k]) != kNoWallType;
        points.push_back(point);
    }
    return points;
}

void readTitle(const Session& p, ZonePictureInput& in) {
    const MainForm& f = p.mainForm;
    in.callsign = f.text(ui::edtCallsign);
    in.drawingAntennaNumber = f.values.DrawingAntennaNumber;
    in.dateTime = titleDateTime(p.platform);
    in.outputPowerText = f.text(ui::edtOutputPower);
    in.outputPowerW = f.number(ui::edtOutputPower);
    in.modeText = f.text(ui::cmbMode);
    in.timeText = f.text(ui::cmb6min);
    in.feederLossText = f.text(ui::edtFeederLoss);
    in.addLossText = f.text(ui::edtAddLoss);
    in.name = f.text(ui::edtName);
    in.firstName = f.text(ui::edtFirstName);
    in.antAddress = f.text(ui::edtAntAddress);
    in.antZipCode = f.text(ui::edtAntZipCode);
    in.antCity = f.text(ui::edtAntCity);
}

} // namespace

ZonePictureInput zonePictureInput(const Session& p) {
    const MainForm& f = p.mainForm;
    ZonePictureInput in;
    in.inputPowerW = f.values.InputPowerW;
    in.inputPowerdBW = f.values.PowerAndGain.InputPowerdBW;
    in.eirpdBW = f.values.EIRPdBW;
    in.fieldLimitVm = f.values.FieldLimitVm;
    in.field5PercentVm = f.values.Field5PercentVm;
    in.field80PercentVm = f.values.Field80PercentVm;
    in.antennaHeightM = f.values.AntennaHeightM;
    in.tiltDeg = f.values.BandAndTilt.TiltDeg;
    for (std::size_t i = 0; i < in.verticalPatterndBi.size(); ++i)
        in.verticalPatterndBi[i] = f.number(QStringLiteral("dbeV%1").arg(10 * i, 2, 10, QLatin1Char('0')));
    in.maxTestPointDistanceM = f.values.MaxTestPointDistanceM;
    in.maxTestPointHeightM = f.values.MaxTestPointHeightM;
    in.minTestPointHeightM = f.values.MinTestPointHeightM;
    in.testPoints = testPoints(f);
    readTitle(p, in);
    return in;
}

void btnShowDiagramClick(Session& p) {
    recomputeFields(p);
    // A window already open is not shown again, so it keeps its picture.
    if (p.drawingForm.visible)
        return;
    p.drawingForm.visible = true;
    DrawingFormShow(p);
}

void DrawingFormShow(Session& p) {
    if (p.mainForm.values.InputPowerW == 0 || p.mainForm.values.FieldLimitVm == 0)
        return;
    paintZonePicture(p.drawingForm.imgPH, zonePictureInput(p), p.drawingForm.BracketNoteFlag);
}

void btnReturnClick(Session& p) {
    p.drawingForm.visible = false;
}

} // namespace kovex
