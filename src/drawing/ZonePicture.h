#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class QImage;
class QPainter;

// The picture of the drawing window: a side view of the station in the
// vertical plane of the antenna's main direction, with the zones where the
// field exceeds 5 %, 80 % and 100 % of the limit, the test points, a scale
// grid and a title block. It is painted once from plain values; the window
// shows it, and the same bitmap is saved and printed.
namespace kovex {

inline constexpr int kPictureWidth = 1009;
inline constexpr int kPictureHeight = 657;

struct PictureTestPoint {
    int number = 0; // the slot, 1 to 12
    double distanceM = 0;
    double heightM = 0;
    QString fieldText; // as the slot's field edit shows it
    // A wall lies between antenna and point: its field is not comparable
    // with the zones, so its label is put in brackets.
    bool behindWall = false;
};

struct ZonePictureInput {
    double inputPowerW = 0;
    double inputPowerdBW = 0;
    double eirpdBW = 0;
    double fieldLimitVm = 0;
    double field5PercentVm = 0;
    double field80PercentVm = 0;
    std::int32_t antennaHeightM = 0;
    double tiltDeg = 0;
    // Gain in dBi at 0, 10, ..., 90 degrees of elevation; the same values
    // serve above and below the main direction.
    std::array<double, 10> verticalPatterndBi{};

    // The extent of the test points of the last field computation.
    double maxTestPointDistanceM = 0;
    double maxTestPointHeightM = 0;
    double minTestPointHeightM = 0;
    // In the order they are drawn; a later label covers an earlier one.
    std::vector<PictureTestPoint> testPoints;

    // The title block, as the fields show it.
    QString callsign;
    std::int32_t drawingAntennaNumber = 0;
    QString dateTime;
    QString outputPowerText;
    double outputPowerW = 0;
    QString modeText;
    QString timeText;
    QString feederLossText;
    QString addLossText;
    QString name;
    QString firstName;
    QString antAddress;
    QString antZipCode;
    QString antCity;
};

// Every distance and pixel position the picture is laid out by. Positions
// are whole pixels held as doubles, so that a point far outside the bitmap
// stays where it is.
struct ZoneScales {
    std::array<double, 10> limitDistanceM{};
    double distanceFullScaleM = 0;
    double depthFullScaleM = 0;
    double heightFullScaleM = 0;
    double verticalFullScaleM = 0;
    double tiltRiseM = 0;
    double pixelsPerMetreX = 0;
    double pixelsPerMetreY = 0;
    double groundLineY = 0;
    double antennaY = 0;
    double beamLineEndY = 0;
};

struct ZoneBranches {
    std::array<QPointF, 10> lower;
    std::array<QPointF, 10> upper;
};

// The full scales: the first value of each list that the extent stays below
// (the vertical total may reach it). Beyond its last value each list goes on
// in steps of 1, 2 and 5 times a power of ten, so that every case is drawn.
double distanceFullScaleM(double horizontalExtentM);
double depthFullScaleM(double depthM);
double heightFullScaleM(double heightM);
double verticalFullScaleM(double totalM);
// The distance between two ticks along each axis.
double horizontalTickStepM(double distanceFullScaleM);
double verticalTickStepM(double verticalFullScaleM);
// A tick label: the shortest form, "0.3" for 3 steps of 0.1.
QString tickLabel(double valueM);

// Throws the arithmetic failure for values that give no picture.
ZoneScales zoneScales(const ZonePictureInput& input);
// The outline of the zone where the field exceeds `zoneFactor` times the
// limit: from the main direction down to the vertical below the antenna, and
// up to the vertical above it.
ZoneBranches zoneBranches(const ZoneScales& scales, double zoneFactor, double tiltDeg);

// The two lines of the title block under the heading.
QString powerLine(const ZonePictureInput& input);
QString addressLine(const ZonePictureInput& input);

// Paints the whole picture into `image` (kPictureWidth x kPictureHeight,
// created when it has another size). `bracketNoteFlag` is set when a label
// is drawn in brackets; while it is set the footnote explains them. Every
// value is computed before the first pixel is painted, so a failure leaves
// the image as it was.
void paintZonePicture(QImage& image, const ZonePictureInput& input, bool& bracketNoteFlag);
// Throws what painting the picture would throw, painting nothing.
void checkZonePicture(const ZonePictureInput& input);
// Paints the picture with `painter` in the bitmap's pixel coordinates, as
// lines and text wherever the painter's device keeps them (a PDF page); the
// caller checks the values first.
void paintZonePicture(QPainter& painter, const ZonePictureInput& input, bool& bracketNoteFlag);

} // namespace kovex
