#include "drawing/DrawingHandlers.h"

#include "calc/FieldStrength.h"
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
        if (f.text(slotName("edtD", k)).isEmpty() || f.text(slotName("edtH", k)).isEmpty())
            continue;
        PictureTestPoint point;
        point.number = k;
        point.distanceM = f.number(slotName("edtD", k));
        point.heightM = f.number(slotName("edtH", k));
        point.fieldText = f.text(slotName("edtE", k));
        point.behindWall = f.itemIndex(slotName("cmbSA", k)) != kNoWallType;
        points.push_back(point);
    }
    return points;
}

void readTitle(const Session& p, ZonePictureInput& in) {
    const MainForm& f = p.form1;
    in.callsign = f.text("edtCallsign");
    in.drawingAntennaNumber = f.DrawingAntennaNumber;
    in.dateTime = titleDateTime(p.platform);
    in.outputPowerText = f.text("edtOutputPower");
    in.outputPowerW = f.number("edtOutputPower");
    in.modeText = f.text("cmbMode");
    in.timeText = f.text("cmb6min");
    in.feederLossText = f.text("edtFeederLoss");
    in.addLossText = f.text("edtAddLoss");
    in.name = f.text("edtName");
    in.firstName = f.text("edtFirstName");
    in.antAddress = f.text("edtAntAddress");
    in.antZipCode = f.text("edtAntZipCode");
    in.antCity = f.text("edtAntCity");
}

} // namespace

ZonePictureInput zonePictureInput(const Session& p) {
    const MainForm& f = p.form1;
    ZonePictureInput in;
    in.inputPowerW = f.InputPowerW;
    in.inputPowerdBW = f.PowerAndGain.InputPowerdBW;
    in.eirpdBW = f.EIRPdBW;
    in.fieldLimitVm = f.FieldLimitVm;
    in.field5PercentVm = f.Field5PercentVm;
    in.field80PercentVm = f.Field80PercentVm;
    in.antennaHeightM = f.AntennaHeightM;
    in.tiltDeg = f.BandAndTilt.TiltDeg;
    for (std::size_t i = 0; i < in.verticalPatterndBi.size(); ++i)
        in.verticalPatterndBi[i] = f.number(QStringLiteral("dbeV%1").arg(10 * i, 2, 10, QLatin1Char('0')));
    in.maxTestPointDistanceM = f.MaxTestPointDistanceM;
    in.maxTestPointHeightM = f.MaxTestPointHeightM;
    in.minTestPointHeightM = f.MinTestPointHeightM;
    in.testPoints = testPoints(f);
    readTitle(p, in);
    return in;
}

void btnShowDiagramClick(Session& p) {
    btnFieldResultsClick(p);
    // A window already open is not shown again, so it keeps its picture.
    if (p.form2.visible)
        return;
    p.form2.visible = true;
    DrawingFormShow(p);
}

void DrawingFormShow(Session& p) {
    if (p.form1.InputPowerW == 0 || p.form1.FieldLimitVm == 0)
        return;
    paintZonePicture(p.form2.imgPH, zonePictureInput(p), p.form2.BracketNoteFlag);
}

void btnReturnClick(Session& p) {
    p.form2.visible = false;
}

} // namespace kovex
