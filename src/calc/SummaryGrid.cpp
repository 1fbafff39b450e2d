#include "calc/SummaryGrid.h"

#include "model/StringGrid.h"

#include <QStringList>

namespace kovex {

namespace {

const QStringList kRowHeadings{
    "RESULTS",    "Nr",         "Type  ",     "Height",      "Azimuth",     "H. open.",  "Tilt   ",
    "V. open.",   "Freq. min ", "Freq. max ", "Input pwr",   "Max. gain ",  "EIRP ",     "Polarization",
    "",           "TP 1 ",      "TP 2 ",      "TP 3 ",       "TP 4 ",       "TP 5 ",     "TP 6 ",
    "TP 7 ",      "TP 8 ",      "TP 9 ",      "TP 10",       "TP 11",       "TP 12",     "",
    "Output pwr", "k mode",     "k time",     "Feeder loss", "Addit. loss", "Input pwr", "",
    "Id antenna", "00°",        "10°",        "20°",         "30°",         "40°",       "50°",
    "60°",        "70°",        "80°",        "90°",         "> 90°"};

const QStringList kUnits{"",
                         "          [Ax01]",
                         "          [Ax02]",
                         "m        [Ax03]",
                         "°         [Ax04]",
                         "°         [Ax05]",
                         "°         [Ax06]",
                         "°         [Ax07]",
                         "MHz   [Ax08]",
                         "MHz   [Ax09]",
                         "dBW  [Ax10]",
                         "dBi     [Ax11]",
                         "dBW  [Ax12]",
                         "          [Ax13]",
                         "",
                         "V/m   [M104]",
                         "V/m   [M204]",
                         "V/m   [M304]",
                         "V/m   [M404]",
                         "V/m   [M504]",
                         "V/m   [M604]",
                         "V/m   [M704]",
                         "V/m   [M804]",
                         "V/m   [M904]",
                         "V/m   [MA01]",
                         "V/m   [MA02]",
                         "V/m   [MA03]",
                         "",
                         "W",
                         "",
                         "",
                         "dB",
                         "dB",
                         "W",
                         "",
                         "",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi",
                         "dBi"};

const QStringList kColumnHeadings{"RESULTS", "1", "2",         "3",        "4",         "5",
                                  "6",       "7", "8",         "9",        "10",        "11",
                                  "12",      "",  "Max Field", "TP dist.", "TP height", "from ant."};

} // namespace

void setUpSummaryGrid(StringGrid& grid) {
    using namespace summary;
    grid.resize(kColumns, kRows);
    for (int column = 0; column < kColumns; ++column)
        grid.setCell(column, 0, kColumnHeadings[column]);
    for (int row = 1; row < kRows; ++row) {
        grid.setCell(0, row, kRowHeadings[row]);
        grid.setCell(kUnitColumn, row, kUnits[row]);
    }
    for (int row : {14, 27, 34})
        grid.setRowHeight(row, 4);
    for (int column = 0; column < kColumns; ++column)
        grid.setColumnWidth(column, 64);
    grid.setColumnWidth(kUnitColumn, 96);
    grid.setColumnWidth(0, 60);
    for (int column : {11, 15})
        grid.setColumnWidth(column, 48);
}

} // namespace kovex
