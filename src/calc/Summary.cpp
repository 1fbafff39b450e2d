#include "calc/Summary.h"
#include "calc/SafetyCheckHandlers.h"

#include "calc/SummaryGrid.h"
#include "calc/TestPoints.h"
#include "model/ControlNames.h"
#include "refdata/Session.h"
#include "support/NumberText.h"

#include <cstdint>

namespace kovex {

using namespace summary;

namespace {

const QString kMaximumMessage = QStringLiteral("You have reached the maximum of 12 antennas !\r\rIf you need "
                                               "more, you have to make a new document \rand "
                                               "add a suffix to your call (e.g. ZZ0ZZ_2).\r\rIf you "
                                               "continue, you will overwrite the antenna calculations "
                                               "nr 12.\r");

void writeAntennaRows(const MainForm& f, StringGrid& grid, int c) {
    const QStringList rows{
        "ANT" + f.text(ui::edtAntNr),
        f.text(ui::dblAntennaType),
        QString::number(f.values.AntennaHeightM),
        QString::number(f.values.AntennaAzimuthDeg),
        QString::number(f.values.HorOpeningAngleDeg),
        num::shortest(f.values.BandAndTilt.TiltDeg),
        num::shortest(f.values.BandAndTilt.VertOpeningAngleDeg),
        QString::number(f.values.BandAndTilt.FreqMinMHz),
        QString::number(f.values.BandAndTilt.FreqMaxMHz),
        num::fixed(f.values.PowerAndGain.InputPowerdBW, 3, 1),
        num::shortest(f.values.PowerAndGain.AntennaGaindBi),
        num::fixed(f.values.EIRPdBW, 3, 1),
        f.values.PolarizationCode,
    };
    for (int i = 0; i < rows.size(); ++i)
        grid.setCell(c, 1 + i, rows[i]);
}

void writeFieldRows(const MainForm& f, StringGrid& grid, int c) {
    for (int k = 1; k <= kTestPointSlots; ++k)
        grid.setCell(c, kFirstTestPointRow + k - 1, f.text(ui::edtE[k]));
}

void writeStationRows(const MainForm& f, StringGrid& grid, int c) {
    const QStringList rows{f.text(ui::edtOutputPower), f.text(ui::cmbMode),
                           f.text(ui::cmb6min),        f.text(ui::edtFeederLoss),
                           f.text(ui::edtAddLoss),     num::fixed(f.values.InputPowerW, 3, 1)};
    for (int i = 0; i < rows.size(); ++i)
        grid.setCell(c, kOutputPowerRow + i, rows[i]);
}

void writePatternRows(const MainForm& f, StringGrid& grid, int c) {
    QStringList rows{f.text(ui::dbeAntNr)};
    for (int angle = 0; angle <= 90; angle += 10)
        rows << f.text(QStringLiteral("dbeV%1").arg(angle, 2, 10, QLatin1Char('0')));
    rows << f.text(ui::dbeVback);
    for (int i = 0; i < rows.size(); ++i)
        grid.setCell(c, kAntennaIdRow + i, rows[i]);
}

// The test points are common to all antennas: the latest computation's
// points, copied as typed.
void writeTestPointColumns(const MainForm& f, StringGrid& grid) {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        grid.setCell(kDistanceColumn, kFirstTestPointRow + k - 1, f.text(ui::edtD[k]));
        grid.setCell(kHeightColumn, kFirstTestPointRow + k - 1, f.text(ui::edtH[k]));
    }
}

// The strictly larger field wins, so the lowest antenna number keeps a tie.
void writeRowMaximum(StringGrid& grid, int row) {
    double maximumVm = 0;
    int antenna = 0;
    for (int c = kFirstAntennaColumn; c <= kLastAntennaColumn; ++c) {
        const QString cell = grid.cell(c, row);
        if (cell.isEmpty())
            continue;
        const double fieldVm = num::toFloat(cell);
        if (fieldVm > maximumVm) {
            maximumVm = fieldVm;
            antenna = c;
        }
    }
    grid.setCell(kMaxFieldColumn, row, num::shortest(maximumVm));
    grid.setCell(kFromAntennaColumn, row, "ANT" + QString::number(antenna));
}

void writeMaxima(StringGrid& grid) {
    for (int row = kFirstTestPointRow; row <= kLastTestPointRow; ++row) {
        if (grid.cell(kFirstAntennaColumn, row).isEmpty())
            return;
        writeRowMaximum(grid, row);
    }
}

void setAntennaNumber(MainForm& f, int number) {
    f.setText(ui::edtAntNr, QString::number(number));
    f.ctl(ui::UpDown1).itemIndex = number;
}

} // namespace

void WriteSummaryColumn(Session& p, int column) {
    const MainForm& f = p.mainForm;
    StringGrid& grid = p.mainForm.sgdTP;
    writeAntennaRows(f, grid, column);
    writeFieldRows(f, grid, column);
    writeStationRows(f, grid, column);
    writePatternRows(f, grid, column);
    writeTestPointColumns(f, grid);
}

void refreshSummary(Session& p) {
    writeMaxima(p.mainForm.sgdTP);
    showExposureRatios(p);
}

void TabSheet5Enter(Session& p) {
    refreshSummary(p);
}

namespace {

bool hasOtherAntennasOnly(const StringGrid& grid, int row) {
    if (!grid.cell(kFirstAntennaColumn, row).isEmpty())
        return false;
    for (int c = kFirstAntennaColumn + 1; c <= kLastAntennaColumn; ++c)
        if (!grid.cell(c, row).isEmpty())
            return true;
    return false;
}

// "Test point 3 has ..." or "Test points 3, 5 and 7 have ...".
QString leftOutQuestion(const QStringList& points) {
    const bool one = points.size() == 1;
    QString named = points.last();
    if (!one)
        named = points.mid(0, points.size() - 1).join(QStringLiteral(", ")) + " and " + named;
    return (one ? "Test point " : "Test points ") + named + (one ? " has" : " have") +
           " fields of other antennas but none of antenna 1, and will not be in the files. Save anyway?";
}

} // namespace

// A save the user declines leaves the summary as it was too.
bool maximaReadyForFiles(Session& p) {
    const StringGrid before = p.mainForm.sgdTP;
    refreshSummary(p);
    const StringGrid& grid = p.mainForm.sgdTP;
    QStringList leftOut;
    for (int row = kFirstTestPointRow; row <= kLastTestPointRow; ++row)
        if (hasOtherAntennasOnly(grid, row))
            leftOut << QString::number(row - kFirstTestPointRow + 1);
    if (leftOut.isEmpty() || p.platform.dialogs.question(leftOutQuestion(leftOut)))
        return true;
    p.mainForm.sgdTP = before;
    return false;
}

void btnNextAntennaClick(Session& p) {
    // Counted in 64 bits, so the largest whole number typed does not wrap.
    std::int64_t next = std::int64_t{p.mainForm.integer(ui::edtAntNr)} + 1;
    if (next > kMaxAntennas) {
        p.platform.dialogs.message(kMaximumMessage);
        next = kMaxAntennas;
    }
    setAntennaNumber(p.mainForm, static_cast<int>(next)); // at most kMaxAntennas now
    p.showPage(ui::TabSheet2);
}

void btnClearAllResultsClick(Session& p) {
    if (!p.platform.dialogs.question(kEraseTableQuestion))
        return;
    MainForm& f = p.mainForm;
    for (int c = kFirstAntennaColumn; c <= kLastAntennaColumn; ++c)
        for (int row = kFirstAntennaRow; row <= kLastPowerRow; ++row)
            f.sgdTP.setCell(c, row, QString());
    for (int row = kFirstTestPointRow; row <= kLastTestPointRow; ++row) {
        f.sgdTP.setCell(kMaxFieldColumn, row, QString());
        f.sgdTP.setCell(kDistanceColumn, row, QString());
    }
    setAntennaNumber(f, 1);
    f.values.DrawingAntennaNumber = 1;
    // The inputs kept beside the columns go with them, and the exposure
    // ratios computed from them.
    f.keptAntennas.clear();
    showExposureRatios(p);
}

} // namespace kovex
