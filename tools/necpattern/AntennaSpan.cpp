#include "AntennaSpan.h"

#include "BuildError.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace necpattern {

namespace {

using Point = std::array<double, 3>;

struct Wire {
    int tag = 0;
    Point ends[2];
};

constexpr double kPi = 3.14159265358979323846;
constexpr double kSpeedOfLightMMHz = 299.792458;

const QStringList kUnfollowedGeometry = {"GA", "GH", "GR", "GX", "GC", "SP", "SM", "SC"};

QStringList fieldsOf(const QString& card) {
    return card.simplified().replace(',', ' ').split(' ', Qt::SkipEmptyParts);
}

double numberAt(const QStringList& fields, int index, const QString& where) {
    bool ok = false;
    const double value = fields.value(index).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw BuildError{where + "field " + QString::number(index) + " is no number"};
    return value;
}

// NEC-2 rotates about x, then y, then z, then translates.
Point moved(const Point& p, const std::array<double, 6>& gm) {
    const double ax = gm[0] * kPi / 180, ay = gm[1] * kPi / 180, az = gm[2] * kPi / 180;
    double x = p[0], y = p[1], z = p[2];
    double t = y * std::cos(ax) - z * std::sin(ax);
    z = y * std::sin(ax) + z * std::cos(ax);
    y = t;
    t = x * std::cos(ay) + z * std::sin(ay);
    z = -x * std::sin(ay) + z * std::cos(ay);
    x = t;
    t = x * std::cos(az) - y * std::sin(az);
    y = x * std::sin(az) + y * std::cos(az);
    x = t;
    return {x + gm[3], y + gm[4], z + gm[5]};
}

// GM ITGI NRPT ROX ROY ROZ XS YS ZS ITS: moves the wires tagged ITS and
// above, or adds NRPT copies, each moved again from the one before.
void applyMove(std::vector<Wire>& wires, const QStringList& f, const QString& where) {
    const int tagStep = static_cast<int>(numberAt(f, 1, where));
    const int copies = static_cast<int>(numberAt(f, 2, where));
    std::array<double, 6> gm{};
    for (int i = 0; i < 6; ++i)
        gm[static_cast<std::size_t>(i)] = numberAt(f, 3 + i, where);
    const int firstTag = f.size() > 9 ? static_cast<int>(numberAt(f, 9, where)) : 0;
    std::vector<Wire> chosen;
    for (const Wire& w : wires)
        if (w.tag >= firstTag)
            chosen.push_back(w);
    if (copies == 0) {
        for (Wire& w : wires)
            if (w.tag >= firstTag)
                for (Point& p : w.ends)
                    p = moved(p, gm);
        return;
    }
    for (int n = 1; n <= copies; ++n)
        for (Wire& w : chosen) {
            for (Point& p : w.ends)
                p = moved(p, gm);
            if (w.tag != 0)
                w.tag += tagStep;
            wires.push_back(w);
        }
}

std::vector<Wire> wiresOf(const QString& deckText, const QString& name) {
    std::vector<Wire> wires;
    int lineNumber = 0;
    for (const QString& line : deckText.split('\n')) {
        ++lineNumber;
        const QStringList f = fieldsOf(line);
        if (f.isEmpty())
            continue;
        const QString where = name + ":" + QString::number(lineNumber) + ": ";
        const QString card = f[0].left(2).toUpper();
        if (kUnfollowedGeometry.contains(card))
            throw BuildError{where + card + " cards are not followed for the span of the wires"};
        if (card == "GW") {
            Wire w;
            w.tag = static_cast<int>(numberAt(f, 1, where));
            for (int i = 0; i < 3; ++i) {
                w.ends[0][static_cast<std::size_t>(i)] = numberAt(f, 3 + i, where);
                w.ends[1][static_cast<std::size_t>(i)] = numberAt(f, 6 + i, where);
            }
            wires.push_back(w);
        } else if (card == "GM") {
            applyMove(wires, f, where);
        } else if (card == "GS") {
            const double scale = numberAt(f, 3, where);
            for (Wire& w : wires)
                for (Point& p : w.ends)
                    for (double& c : p)
                        c *= scale;
        }
    }
    return wires;
}

} // namespace

double wireSpanM(const QString& deckText, const QString& name) {
    std::vector<Point> ends;
    for (const Wire& w : wiresOf(deckText, name))
        ends.insert(ends.end(), std::begin(w.ends), std::end(w.ends));
    if (ends.empty())
        throw BuildError{name + ": no wires"};
    double span = 0;
    // The farthest two points of straight wires are two of their ends.
    for (std::size_t i = 0; i < ends.size(); ++i)
        for (std::size_t j = i + 1; j < ends.size(); ++j)
            span = std::max(
                span, std::hypot(ends[i][0] - ends[j][0], ends[i][1] - ends[j][1], ends[i][2] - ends[j][2]));
    return span;
}

double lowestDeckMHz(const QString& deckText, const QString& name) {
    double lowest = 0;
    int lineNumber = 0;
    for (const QString& line : deckText.split('\n')) {
        ++lineNumber;
        const QStringList f = fieldsOf(line);
        if (f.isEmpty() || f[0].left(2).toUpper() != "FR")
            continue;
        const double mhz = numberAt(f, 5, name + ":" + QString::number(lineNumber) + ": ");
        lowest = lowest == 0 ? mhz : std::min(lowest, mhz);
    }
    if (!(lowest > 0))
        throw BuildError{name + ": no FR card with a frequency"};
    return lowest;
}

double lowestBandMHz(const QString& frequencyText) {
    static const QRegularExpression firstNumber(QStringLiteral("^\\s*([0-9]+(\\.[0-9]+)?)"));
    const QRegularExpressionMatch match = firstNumber.match(frequencyText);
    const double mhz = match.hasMatch() ? match.captured(1).toDouble() : 0;
    if (!(mhz > 0) || !frequencyText.contains(QStringLiteral("MHz")))
        throw BuildError{"FREQ \"" + frequencyText + "\": no lowest frequency in MHz"};
    return mhz;
}

double spanForBandsM(double spanM, double deckMHz, double lowestBandMHz) {
    return spanM * std::max(1.0, deckMHz / lowestBandMHz);
}

double closedFormSpanM(const QStringList& model) {
    const QString where = "model \"" + model.join(' ') + "\": ";
    const QString& kind = model.value(0);
    const double first = numberAt(model, 1, where);
    if (kind == "dish")
        return first;
    if (kind == "horn")
        return std::hypot(first, numberAt(model, 2, where));
    const double wavelengthM = kSpeedOfLightMMHz / numberAt(model, 2, where);
    // An axial-mode helix: turns a quarter wavelength apart, circumference one
    // wavelength.
    if (kind == "helix")
        return std::hypot(first * wavelengthM / 4, wavelengthM / kPi);
    // A patch: its two radiating slots half a wavelength apart, each W wide.
    if (kind == "patch")
        return std::hypot(first, wavelengthM / 2);
    throw BuildError{where + "no span for this model"};
}

} // namespace necpattern
