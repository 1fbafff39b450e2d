#include "drawing/ZonePicture.h"
#include "support/KovexError.h"

#include <QDir>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

using namespace kovex;

namespace {

// 100 W into a six-dBi beam 10 m high, limit 28 V/m; one point 25 m away at
// 1.5 m, one behind a wall 12 m away, 3 m below ground. Worked out by hand:
// the 5 % distance along the ground is 17.45 m, so the distance scale is 30 m
// (the point at 25 m counts); depth 5, height 15, vertical 20 m; 31.8 and
// 27.1 pixels per metre; ground line at y 486, antenna at y 215.
ZonePictureInput beamStation() {
    ZonePictureInput in;
    in.inputPowerW = 100;
    in.inputPowerdBW = 20;
    in.eirpdBW = 26;
    in.fieldLimitVm = 28;
    in.field5PercentVm = 28 * 0.223606;
    in.field80PercentVm = 28 * 0.894427;
    in.antennaHeightM = 10;
    in.verticalPatterndBi = {6, 5, 3, 0, -3, -6, -9, -12, -15, -20};
    in.maxTestPointDistanceM = 25;
    in.maxTestPointHeightM = 10;
    in.minTestPointHeightM = -3;
    in.testPoints = {{2, 25, 1.5, " 1.23", false}, {1, 12, -3, " 4.56", true}};
    in.callsign = "ON4XX";
    in.drawingAntennaNumber = 1;
    in.dateTime = "07/12/2026 21:05 (version 1.1 - 12/12/05)";
    in.outputPowerText = "150";
    in.outputPowerW = 150;
    in.modeText = "CW and SSB";
    in.timeText = "less than 3 minutes ";
    in.feederLossText = "0";
    in.addLossText = "0.17";
    in.name = "Peeters";
    in.firstName = "Jan";
    in.antAddress = "Kerkstraat 1";
    in.antZipCode = "9000";
    in.antCity = "GENT";
    return in;
}

constexpr QRgb kWhitePixel = 0xffffffff;
constexpr QRgb kBlackPixel = 0xff000000;
constexpr QRgb kGreenPixel = 0xff00ff00;
constexpr QRgb kBluePixel = 0xff0000ff;
constexpr QRgb kSilverPixel = 0xffc0c0c0;

QImage painted(const ZonePictureInput& in, bool& flag) {
    QImage image;
    paintZonePicture(image, in, flag);
    // KOVEX_PICTURE_DIR keeps the pictures for a look.
    const QString folder = qEnvironmentVariable("KOVEX_PICTURE_DIR");
    if (!folder.isEmpty()) {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        image.save(QDir(folder).filePath(QString::fromLatin1(test->name()) + ".png"));
    }
    return image;
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

} // namespace

// Each extent just below, at and above values of the lists: strictly below
// for three scales, up to and including for the vertical total.
TEST(FullScales, ExtentsAroundListValues) {
    EXPECT_EQ(distanceFullScaleM(0), 10);
    EXPECT_EQ(distanceFullScaleM(99.99), 100);
    EXPECT_EQ(distanceFullScaleM(100), 120);
    EXPECT_EQ(distanceFullScaleM(1000), 1500);
    EXPECT_EQ(distanceFullScaleM(4999.9), 5000);
    EXPECT_EQ(depthFullScaleM(0), 0);
    EXPECT_EQ(depthFullScaleM(0.01), 5);
    EXPECT_EQ(depthFullScaleM(5), 10);
    EXPECT_EQ(depthFullScaleM(100), 150);
    EXPECT_EQ(heightFullScaleM(-4), 15);
    EXPECT_EQ(heightFullScaleM(14.99), 15);
    EXPECT_EQ(heightFullScaleM(15), 20);
    EXPECT_EQ(heightFullScaleM(50), 60);
    EXPECT_EQ(verticalFullScaleM(10), 10);
    EXPECT_EQ(verticalFullScaleM(55), 55);
    EXPECT_EQ(verticalFullScaleM(55.01), 60);
    EXPECT_EQ(verticalFullScaleM(500), 500);
}

// Beyond the last value the lists go on by 1, 2 and 5 times ten to a power.
TEST(FullScales, BeyondTheListsInStepsOfOneTwoFive) {
    EXPECT_EQ(distanceFullScaleM(5000), 10000);
    EXPECT_EQ(distanceFullScaleM(10000), 20000);
    EXPECT_EQ(distanceFullScaleM(20001), 50000);
    EXPECT_EQ(distanceFullScaleM(60000), 100000);
    EXPECT_EQ(depthFullScaleM(500), 1000);
    EXPECT_EQ(heightFullScaleM(1999), 2000);
    EXPECT_EQ(verticalFullScaleM(500.5), 1000);
    EXPECT_EQ(verticalFullScaleM(2000), 2000);
    EXPECT_EQ(verticalFullScaleM(2000.1), 5000);
    EXPECT_THROW(distanceFullScaleM(1e308), KovexError);
}

TEST(TickSteps, FollowTheFullScales) {
    const std::pair<double, double> horizontal[]{
        {10, 0.2},  {20, 0.5},   {40, 0.5},    {50, 1},      {90, 1},      {100, 2},   {150, 2},
        {200, 5},   {400, 5},    {500, 10},    {900, 10},    {1000, 20},   {1500, 20}, {2000, 50},
        {4000, 50}, {5000, 100}, {10000, 200}, {20000, 500}, {50000, 1000}};
    for (const auto& [fullScale, step] : horizontal)
        EXPECT_EQ(horizontalTickStepM(fullScale), step) << fullScale;
    const std::pair<double, double> vertical[]{{10, 0.2},  {15, 0.2},  {20, 0.5}, {45, 0.5}, {50, 1},
                                               {90, 1},    {100, 2},   {150, 2},  {200, 5},  {400, 5},
                                               {500, 100}, {1000, 20}, {2000, 50}};
    for (const auto& [fullScale, step] : vertical)
        EXPECT_EQ(verticalTickStepM(fullScale), step) << fullScale;
}

TEST(TickSteps, LabelsInTheShortestForm) {
    EXPECT_EQ(tickLabel(3 * 0.1), "0.3");
    EXPECT_EQ(tickLabel(10 * 0.5), "5");
    EXPECT_EQ(tickLabel(20 * 0.5), "10");
    EXPECT_EQ(tickLabel(0.5), "0.5");
    EXPECT_EQ(tickLabel(30 * 0.2), "6");
}

TEST(ZoneLayout, ScalesOfTheBeamStation) {
    const ZoneScales s = zoneScales(beamStation());
    EXPECT_NEAR(s.limitDistanceM[0], 3.90304, 1e-5);
    EXPECT_EQ(s.distanceFullScaleM, 30);
    EXPECT_EQ(s.depthFullScaleM, 5);
    EXPECT_EQ(s.heightFullScaleM, 15);
    EXPECT_EQ(s.verticalFullScaleM, 20);
    EXPECT_DOUBLE_EQ(s.pixelsPerMetreX, 31.8);
    EXPECT_DOUBLE_EQ(s.pixelsPerMetreY, 27.1);
    EXPECT_EQ(s.groundLineY, 486); // 622 less 135.5 rounded up
    EXPECT_EQ(s.antennaY, 215);
    EXPECT_EQ(s.beamLineEndY, 215);
}

// Without tilt both branches start at one point on the antenna's horizontal
// and end on the vertical through the antenna, below and above it.
TEST(ZoneLayout, PointsWithoutTilt) {
    const ZoneScales s = zoneScales(beamStation());
    const ZoneBranches five = zoneBranches(s, std::sqrt(0.05), 0);
    EXPECT_EQ(five.lower[0], QPointF(585, 215)); // 17.455 m
    EXPECT_EQ(five.upper[0], five.lower[0]);
    EXPECT_EQ(five.lower[1], QPointF(517, 288));
    EXPECT_EQ(five.upper[1], QPointF(517, 142));
    EXPECT_EQ(five.lower[9], QPointF(30, 239)); // 0.875 m below
    EXPECT_EQ(five.upper[9], QPointF(30, 191));
    const ZoneBranches limit = zoneBranches(s, 1.0, 0);
    EXPECT_EQ(limit.lower[0], QPointF(154, 215)); // 3.903 m
}

// A tilt of 10 degrees turns both branches upward: the lower branch's 10
// degree point lies on the antenna's horizontal, the upper branch's 80 degree
// point on the vertical above the antenna.
TEST(ZoneLayout, PointsWithTilt) {
    ZonePictureInput in = beamStation();
    in.tiltDeg = 10;
    const ZoneScales s = zoneScales(in);
    const double rise = std::tan(10 / 57.295) * 30; // 5.29 m
    EXPECT_NEAR(s.tiltRiseM, rise, 1e-12);
    EXPECT_EQ(s.heightFullScaleM, 20); // 10 + 5.29
    EXPECT_EQ(s.verticalFullScaleM, 25);
    EXPECT_EQ(s.groundLineY, 513); // 622 less 108.4 rounded up
    EXPECT_EQ(s.antennaY, 296);    // 10 m at 21.68 px/m
    EXPECT_EQ(s.beamLineEndY, 182);
    const ZoneBranches five = zoneBranches(s, std::sqrt(0.05), 10);
    EXPECT_EQ(five.lower[1].y(), s.antennaY);
    EXPECT_LT(five.lower[0].y(), s.antennaY);
    EXPECT_EQ(five.upper[8].x(), 30);
    EXPECT_LT(five.upper[8].y(), s.antennaY);
    EXPECT_GT(five.lower[9].x(), 30);
}

// Pixels where the formulas put the ground line, the antenna, a zone's
// 90 degree point, the main direction, a grid line and a test point.
TEST(ZonePicture, PixelsAtComputedPositions) {
    bool flag = false;
    const QImage image = painted(beamStation(), flag);
    ASSERT_EQ(image.size(), QSize(1009, 657));
    EXPECT_EQ(image.pixel(700, 486), kBlackPixel); // ground line, 2 px
    EXPECT_EQ(image.pixel(700, 485), kBlackPixel);
    EXPECT_EQ(image.pixel(30, 600), kBlackPixel);   // vertical axis
    EXPECT_EQ(image.pixel(30, 215), kWhitePixel);   // inside the antenna's circle
    EXPECT_EQ(image.pixel(30, 211), kBlackPixel);   // its outline
    EXPECT_EQ(image.pixel(30, 239), kGreenPixel);   // 5 % zone straight below
    EXPECT_EQ(image.pixel(30, 191), kGreenPixel);   // and above
    EXPECT_EQ(image.pixel(700, 215), kBluePixel);   // main direction
    EXPECT_EQ(image.pixel(666, 300), kSilverPixel); // grid line at 20 m
    EXPECT_EQ(image.pixel(825, 445), kBlackPixel);  // point 2: 795 and 41 px
    EXPECT_EQ(image.pixel(821, 445), kBlackPixel);
    EXPECT_EQ(image.pixel(825, 449), kBlackPixel);
    EXPECT_EQ(image.pixel(412, 563), kBlackPixel); // point 1, 3 m below ground
    EXPECT_EQ(image.pixel(500, 70), kWhitePixel);  // title band
    EXPECT_TRUE(flag);
}

TEST(ZonePicture, TitleTexts) {
    const ZonePictureInput in = beamStation();
    EXPECT_EQ(powerLine(in),
              "Pout = 150 W  = 21.76 dBW / Mode cor. = CW and SSB / Time cor. = less than 3 "
              "minutes  / Feeder loss = 0 dB / Additional loss = 0.17 dB / Input power = 20.00 "
              "dBW / EIRP = 26.00 dBW");
    EXPECT_EQ(addressLine(in), "Peeters Jan -  Kerkstraat 1 9000 GENT");
    bool flag = false;
    const QImage image = painted(in, flag);
    EXPECT_GT(darkPixels(image, QRect(40, 3, 400, 16)), 200); // the heading
    EXPECT_GT(darkPixels(image, QRect(475, 3, 60, 16)), 20);  // ON4XX-1
    EXPECT_GT(darkPixels(image, QRect(804, 8, 190, 12)), 50); // date and version
}

// A failure comes before the first pixel: the picture stays as it was.
TEST(ZonePicture, FailureLeavesThePictureAsItWas) {
    ZonePictureInput in = beamStation();
    in.outputPowerW = 0;
    QImage image(1009, 657, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bool flag = false;
    EXPECT_THROW(paintZonePicture(image, in, flag), KovexError);
    EXPECT_EQ(image.pixel(500, 300), QColor(Qt::magenta).rgb());
    EXPECT_FALSE(flag);
}

// A pattern with far more gain upward than along the ground, and a point far
// off on the wrong side: the zones reach far beyond the picture and are
// drawn as their visible part.
TEST(ZonePicture, ZonesFarBeyondThePicture) {
    ZonePictureInput in = beamStation();
    in.verticalPatterndBi = {-40, -30, 0, 10, 20, 30, 40, 40, 40, 40};
    in.testPoints.push_back({3, -1e300, 2, " 0.01", false});
    bool flag = false;
    const QImage image = painted(in, flag);
    EXPECT_EQ(image.pixel(700, 486), kBlackPixel);
}
