#include "drawing/ZonePicture.h"

#include "support/NumberText.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace kovex {

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;
constexpr int kLeftMarginPx = 30;
constexpr int kRightMarginPx = 25;
constexpr int kTopMarginPx = 80;
constexpr int kBottomMarginPx = 35;
constexpr int kAxisX = kLeftMarginPx;
// The title band covers what the zones draw above this line.
constexpr int kTitleBandBottom = 77;
// 8 and 11 points on a screen of 96 dots per inch.
constexpr int kTextPixels = 11;
constexpr int kTitlePixels = 15;

// Degrees to radians as the zone outlines have always turned them, and the
// divisor of the tilted main direction.
constexpr double kRadiansPerDegree = 0.017453293;
constexpr double kDegreesPerRadian = 57.295;
// The horizontal extent must show the 5 % zone along the main direction.
constexpr double kFivePercentDivisor = 0.2236;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

constexpr double kDistanceScales[]{10,  20,   30,   40,   50,   60,   70,   80,  90,  100,
                                   120, 150,  200,  250,  300,  400,  500,  600, 700, 800,
                                   900, 1000, 1500, 2000, 2500, 3000, 4000, 5000};
constexpr double kDepthScales[]{5,  10, 15, 20,  25,  30,  35,  40,  45,  50, 60,
                                70, 80, 90, 100, 150, 200, 250, 300, 400, 500};
constexpr double kHeightScales[]{15, 20, 25,  30,  35,  40,  45,  50,  60, 70,
                                 80, 90, 100, 150, 200, 250, 300, 400, 500};
constexpr double kVerticalScales[]{10, 15, 20, 25,  30,  35,  40,  45,  50,  55, 60,
                                   70, 80, 90, 100, 150, 200, 250, 300, 400, 500};

bool fits(double value, double scale, bool mayReach) {
    return mayReach ? value <= scale : value < scale;
}

// The values 1, 2, 5, 10, 20, 50, ... in turn, exact in doubles.
class OneTwoFive {
  public:
    double value() const { return m_value; }
    void next() {
        m_value = num::finite(m_value * (m_step % 3 == 1 ? 2.5 : 2.0));
        ++m_step;
    }

  private:
    double m_value = 1;
    int m_step = 0;
};

template <std::size_t N> double fullScale(const double (&list)[N], double value, bool mayReach) {
    for (double scale : list)
        if (fits(value, scale, mayReach))
            return scale;
    OneTwoFive scale;
    while (scale.value() <= list[N - 1] || !fits(value, scale.value(), mayReach))
        scale.next();
    return scale.value();
}

// The first 1-2-5 value above the full scale, over a hundred: between 50 and
// 100 ticks whatever the scale.
double oneTwoFiveStep(double fullScaleM) {
    OneTwoFive above;
    while (above.value() <= fullScaleM)
        above.next();
    return above.value() / 100;
}

std::array<double, 10> limitDistances(const ZonePictureInput& in) {
    std::array<double, 10> distances{};
    for (std::size_t i = 0; i < distances.size(); ++i) {
        const double gain = num::pow10(in.verticalPatterndBi[i] / 10);
        distances[i] = num::finite(num::divide(num::sqrt(30 * in.inputPowerW * gain), in.fieldLimitVm));
    }
    return distances;
}

double rounded(double value) {
    return num::roundHalfEven(num::finite(value));
}

// The pen and fill colour, and lines, texts and shapes in whole pixels. A
// line is cut at a band around the bitmap first, so that a zone reaching
// far beyond the picture is drawn as its visible part.
class Canvas {
  public:
    explicit Canvas(QPainter& painter) : m_painter(painter) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setBrush(Qt::NoBrush);
        font(kTextPixels);
    }

    void pen(const QColor& colour, int width) { m_painter.setPen(QPen(colour, width)); }
    void fillColour(const QColor& colour) { m_fill = colour; }
    void font(int pixels, bool bold = false, bool underline = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(pixels);
        font.setBold(bold);
        font.setUnderline(underline);
        m_painter.setFont(font);
    }

    void line(QPointF from, QPointF to) {
        if (const auto visible = clipped(from, to))
            m_painter.drawLine(*visible);
    }
    void polyline(const std::array<QPointF, 10>& points) {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1], points[i]);
    }
    void fillRect(int left, int top, int right, int bottom, const QColor& colour) {
        m_painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
    }
    void circle(QPointF centre, int radius, const QColor& fill) {
        if (!nearPicture(centre))
            return;
        m_painter.setBrush(fill);
        m_painter.drawEllipse(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
        m_painter.setBrush(Qt::NoBrush);
    }
    int textWidth(const QString& text) const {
        return QFontMetrics(m_painter.font()).horizontalAdvance(text);
    }
    // Text with its top-left corner at (x, y) on a box of the fill colour.
    void text(double x, double y, const QString& text) {
        const QFontMetrics metrics(m_painter.font());
        const double width = metrics.horizontalAdvance(text);
        if (x + width < 0 || x > W || y + metrics.height() < 0 || y > H)
            return;
        const QRect box(int(x), int(y), int(width), metrics.height());
        m_painter.fillRect(box, m_fill);
        const QPen pen = m_painter.pen();
        m_painter.setPen(kBlack);
        m_painter.drawText(QPoint(box.left(), box.top() + metrics.ascent()), text);
        m_painter.setPen(pen);
    }

  private:
    static constexpr double kBand = 100;

    static bool nearPicture(QPointF point) {
        return point.x() > -kBand && point.x() < W + kBand && point.y() > -kBand && point.y() < H + kBand;
    }

    // The part of the segment inside the band around the bitmap (Liang and
    // Barsky's parametric cut), in whole pixels.
    static std::optional<QLine> clipped(QPointF from, QPointF to) {
        double enter = 0;
        double leave = 1;
        const double dx = to.x() - from.x();
        const double dy = to.y() - from.y();
        const std::pair<double, double> edges[]{{-dx, from.x() + kBand},
                                                {dx, W + kBand - from.x()},
                                                {-dy, from.y() + kBand},
                                                {dy, H + kBand - from.y()}};
        for (const auto& [toward, room] : edges) {
            if (toward == 0) {
                if (room < 0)
                    return std::nullopt;
                continue;
            }
            const double t = room / toward;
            if (toward < 0)
                enter = std::max(enter, t);
            else
                leave = std::min(leave, t);
        }
        if (enter > leave)
            return std::nullopt;
        const auto at = [&](double t) {
            return QPoint(int(std::lround(from.x() + t * dx)), int(std::lround(from.y() + t * dy)));
        };
        return QLine(at(enter), at(leave));
    }

    QPainter& m_painter;
    QColor m_fill = kWhite;
};

struct Zone {
    double factor;
    QColor colour;
    double labelValueVm;
    const char* labelTail;
    int labelLeft;
};

void paintAxes(Canvas& c, const ZoneScales& s) {
    c.fillRect(0, 0, W - 1, H - 1, kWhite);
    c.pen(kBlack, 2);
    c.line(QPointF(kAxisX, H - kBottomMarginPx), QPointF(kAxisX, kTopMarginPx - 1));
    c.line(QPointF(kAxisX, s.groundLineY), QPointF(W - 24, s.groundLineY));
}

void paintZones(Canvas& c, const ZoneScales& s, const ZonePictureInput& in) {
    const Zone zones[]{
        {std::sqrt(0.05), kGreen, in.field5PercentVm, " V/m (5%) ", 40},
        {std::sqrt(0.8), kYellow, in.field80PercentVm, " V/m", 40},
        {1.0, kRed, in.fieldLimitVm, " V/m (MAX) ", 50},
    };
    for (const Zone& zone : zones) {
        const ZoneBranches branches = zoneBranches(s, zone.factor, in.tiltDeg);
        c.pen(zone.colour, 2);
        c.polyline(branches.lower);
        c.polyline(branches.upper);
        c.fillColour(zone.colour);
        const QPointF start = branches.lower[0];
        c.text(start.x() - zone.labelLeft, start.y() - 20,
               num::fixed(zone.labelValueVm, 4, 2) + QString::fromLatin1(zone.labelTail));
        c.fillColour(kWhite);
    }
}

// Ticks every step along the ground line; every tenth a grid line across
// the plot and its distance.
void paintDistanceTicks(Canvas& c, const ZoneScales& s) {
    const double step = horizontalTickStepM(s.distanceFullScaleM);
    double x = 0;
    for (int n = 1; x < W - kRightMarginPx; ++n) {
        x = kAxisX + rounded(n * step * s.pixelsPerMetreX);
        c.line(QPointF(x, s.groundLineY + 3), QPointF(x, s.groundLineY));
        if (n % 10 != 0)
            continue;
        c.line(QPointF(x, H - kBottomMarginPx), QPointF(x, kTopMarginPx));
        c.text(x - 10, s.groundLineY + 8, tickLabel(n * step));
    }
}

// Upward (direction -1) to the top margin, or downward (+1) to the bottom.
void paintHeightTicks(Canvas& c, const ZoneScales& s, int direction) {
    const double step = verticalTickStepM(s.verticalFullScaleM);
    const auto within = [&](double y) { return direction < 0 ? y > kTopMarginPx : y < H - kBottomMarginPx; };
    double y = s.groundLineY;
    for (int n = 1; within(y); ++n) {
        y = s.groundLineY + direction * rounded(n * step * s.pixelsPerMetreY);
        c.line(QPointF(kAxisX - 3, y), QPointF(kAxisX - 1, y));
        if (n % 10 != 0)
            continue;
        c.line(QPointF(kAxisX, y), QPointF(W - kRightMarginPx, y));
        c.text(3, y - 5, (direction > 0 ? QStringLiteral("-") : QString()) + tickLabel(n * step));
    }
}

void paintScaleGrid(Canvas& c, const ZoneScales& s) {
    c.pen(kSilver, 1);
    c.text(8, s.groundLineY - 2, QStringLiteral("0"));
    c.text(W - 70, s.groundLineY - 15, QStringLiteral("Distance (m)"));
    c.text(7, 62, QStringLiteral("Height (m)"));
    paintDistanceTicks(c, s);
    paintHeightTicks(c, s, -1);
    paintHeightTicks(c, s, +1);
}

void paintAntenna(Canvas& c, const ZoneScales& s) {
    c.pen(kBlue, 1);
    c.line(QPointF(kAxisX, s.antennaY), QPointF(W - kRightMarginPx, s.beamLineEndY));
    c.pen(kBlack, 2);
    c.circle(QPointF(kAxisX, s.antennaY), 4, kWhite);
    c.text(3, s.antennaY - 5, QStringLiteral("Ant."));
}

QString pointLabel(const PictureTestPoint& point) {
    const QString label = QString::number(point.number) + QStringLiteral(": ") + point.fieldText;
    return point.behindWall ? QLatin1Char('[') + label + QStringLiteral(" V/m]")
                            : label + QStringLiteral(" V/m");
}

void paintTestPoints(Canvas& c, const ZoneScales& s, const ZonePictureInput& in, bool& bracketNoteFlag) {
    c.pen(kBlack, 1);
    for (const PictureTestPoint& point : in.testPoints) {
        if (point.behindWall)
            bracketNoteFlag = true;
        const double x = kAxisX + std::nearbyint(point.distanceM * s.pixelsPerMetreX);
        const double y = s.groundLineY - std::nearbyint(point.heightM * s.pixelsPerMetreY);
        // A point too far off to be anywhere near the picture.
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        c.line(QPointF(x - 4, y), QPointF(x + 4, y));
        c.line(QPointF(x, y - 4), QPointF(x, y + 4));
        c.text(x - 18, y - 20, pointLabel(point));
    }
}

struct TitleTexts {
    QString callsign;
    QString dateTime;
    QString power;
    QString address;
};

void paintTitleBlock(Canvas& c, const TitleTexts& title) {
    c.fillRect(0, 0, W - 1, kTitleBandBottom - 1, kWhite);
    c.font(kTitlePixels, true, true);
    c.text(40, 3, QStringLiteral("Field strength zones in the vertical plane (PH02 and VP01):"));
    c.font(kTitlePixels);
    c.text(475, 3, title.callsign);
    c.font(kTextPixels);
    // A long date format (month names, seconds) moves left rather than
    // lose its end at the edge.
    c.text(std::min(W - 205, W - 1 - c.textWidth(title.dateTime)), 8, title.dateTime);
    c.text(40, 25, title.power);
    c.text(40, 55, title.address);
}

void paintFootnote(Canvas& c) {
    c.text(40, H - 28,
           QStringLiteral("Figures between brackets [ ] are calculated including a spatial attenuation. "
                          "Therefore field strengths figures lower than "));
    c.text(40, H - 14,
           QStringLiteral("the values indicated on the coloured lines can appear inside the body delimited "
                          "by these colour lines."));
}

} // namespace

double distanceFullScaleM(double horizontalExtentM) {
    return fullScale(kDistanceScales, horizontalExtentM, false);
}

double depthFullScaleM(double depthM) {
    return depthM == 0 ? 0 : fullScale(kDepthScales, depthM, false);
}

double heightFullScaleM(double heightM) {
    return fullScale(kHeightScales, heightM, false);
}

double verticalFullScaleM(double totalM) {
    return fullScale(kVerticalScales, totalM, true);
}

double horizontalTickStepM(double distanceFullScaleM) {
    return oneTwoFiveStep(distanceFullScaleM);
}

// Five ticks, no labelled grid line, on the largest vertical scale of the
// list; beyond it the steps follow the distance ticks' rule.
double verticalTickStepM(double verticalFullScaleM) {
    return verticalFullScaleM == 500 ? 100 : oneTwoFiveStep(verticalFullScaleM);
}

QString tickLabel(double valueM) {
    return num::shortest(valueM);
}

ZoneScales zoneScales(const ZonePictureInput& in) {
    ZoneScales s;
    s.limitDistanceM = limitDistances(in);
    const double extentM = std::max(s.limitDistanceM[0] / kFivePercentDivisor, in.maxTestPointDistanceM);
    s.distanceFullScaleM = distanceFullScaleM(num::finite(extentM));
    s.depthFullScaleM = depthFullScaleM(std::fabs(num::finite(in.minTestPointHeightM)));
    s.tiltRiseM = num::finite(std::tan(in.tiltDeg / kDegreesPerRadian) * s.distanceFullScaleM);
    const double highestM = std::max(double(in.antennaHeightM), in.maxTestPointHeightM) + s.tiltRiseM;
    s.heightFullScaleM = heightFullScaleM(num::finite(highestM));
    s.verticalFullScaleM = verticalFullScaleM(s.heightFullScaleM + s.depthFullScaleM);
    s.pixelsPerMetreX = double(W - kLeftMarginPx - kRightMarginPx) / s.distanceFullScaleM;
    s.pixelsPerMetreY = double(H - kTopMarginPx - kBottomMarginPx) / s.verticalFullScaleM;
    s.groundLineY = H - kBottomMarginPx - std::ceil(s.pixelsPerMetreY * s.depthFullScaleM);
    s.antennaY = s.groundLineY - rounded(in.antennaHeightM * s.pixelsPerMetreY);
    s.beamLineEndY = s.groundLineY - rounded((in.antennaHeightM + s.tiltRiseM) * s.pixelsPerMetreY);
    return s;
}

// The same pattern value serves the angle above and below the main
// direction; with a tilt, both branches turn with it.
ZoneBranches zoneBranches(const ZoneScales& s, double zoneFactor, double tiltDeg) {
    ZoneBranches branches;
    for (std::size_t i = 0; i < 10; ++i) {
        const double angleDeg = 10.0 * double(i);
        const double distanceM = s.limitDistanceM[i] / zoneFactor;
        const double below = (angleDeg - tiltDeg) * kRadiansPerDegree;
        const double above = (angleDeg + tiltDeg) * kRadiansPerDegree;
        branches.lower[i] = QPointF(kAxisX + rounded(std::cos(below) * distanceM * s.pixelsPerMetreX),
                                    s.antennaY + rounded(std::sin(below) * distanceM * s.pixelsPerMetreY));
        branches.upper[i] = QPointF(kAxisX + rounded(std::cos(above) * distanceM * s.pixelsPerMetreX),
                                    s.antennaY - rounded(std::sin(above) * distanceM * s.pixelsPerMetreY));
    }
    return branches;
}

QString powerLine(const ZonePictureInput& in) {
    return QStringLiteral("Pout = ") + in.outputPowerText + QStringLiteral(" W  = ") +
           num::fixed(10 * num::log10(in.outputPowerW), 3, 2) + QStringLiteral(" dBW / Mode cor. = ") +
           in.modeText + QStringLiteral(" / Time cor. = ") + in.timeText +
           QStringLiteral(" / Feeder loss = ") + in.feederLossText +
           QStringLiteral(" dB / Additional loss = ") + in.addLossText +
           QStringLiteral(" dB / Input power = ") + num::fixed(in.inputPowerdBW, 3, 2) +
           QStringLiteral(" dBW / EIRP = ") + num::fixed(in.eirpdBW, 3, 2) + QStringLiteral(" dBW");
}

QString addressLine(const ZonePictureInput& in) {
    return in.name + QLatin1Char(' ') + in.firstName + QStringLiteral(" -  ") + in.antAddress +
           QLatin1Char(' ') + in.antZipCode + QLatin1Char(' ') + in.antCity;
}

void paintZonePicture(QImage& image, const ZonePictureInput& input, bool& bracketNoteFlag) {
    // Every value is computed once before the painting, so that a failure
    // comes before the first pixel.
    checkZonePicture(input);
    if (image.size() != QSize(W, H) || image.format() != QImage::Format_RGB32)
        image = QImage(W, H, QImage::Format_RGB32);
    QPainter painter(&image);
    paintZonePicture(painter, input, bracketNoteFlag);
}

void checkZonePicture(const ZonePictureInput& input) {
    const ZoneScales scales = zoneScales(input);
    for (double factor : {std::sqrt(0.05), std::sqrt(0.8), 1.0})
        zoneBranches(scales, factor, input.tiltDeg);
    powerLine(input);
}

void paintZonePicture(QPainter& painter, const ZonePictureInput& input, bool& bracketNoteFlag) {
    const ZoneScales scales = zoneScales(input);
    const TitleTexts title{input.callsign + QLatin1Char('-') + QString::number(input.drawingAntennaNumber),
                           input.dateTime, powerLine(input), addressLine(input)};
    Canvas canvas(painter);
    paintAxes(canvas, scales);
    paintZones(canvas, scales, input);
    paintScaleGrid(canvas, scales);
    paintAntenna(canvas, scales);
    paintTestPoints(canvas, scales, input, bracketNoteFlag);
    paintTitleBlock(canvas, title);
    if (bracketNoteFlag)
        paintFootnote(canvas);
}

} // namespace kovex
