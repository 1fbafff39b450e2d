#include "ClosedForm.h"

#include "BuildError.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace necpattern {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double speedOfLightMHzM = 299.792458; // wavelength (m) times frequency (MHz)
constexpr double tableStepDeg = 0.1;

double radians(double degrees) {
    return degrees * pi / 180.0;
}
double dB(double powerRatio) {
    return 10.0 * std::log10(std::max(powerRatio, 1e-30));
}
double wavelengthM(double frequencyMHz) {
    return speedOfLightMHzM / frequencyMHz;
}

// A plane's gain tabulated every tenth of a degree from 0 to 180, read back by
// straight lines: the models cost little, but a sphere asks for many angles.
class PlaneTable {
  public:
    explicit PlaneTable(const PlaneGain& gain) {
        for (int i = 0; i * tableStepDeg <= 180.0 + 1e-9; ++i)
            values_.push_back(gain(i * tableStepDeg));
    }
    double operator()(double psiDeg) const {
        const double position = std::clamp(psiDeg, 0.0, 180.0) / tableStepDeg;
        const auto below = std::min(static_cast<std::size_t>(position), values_.size() - 2);
        const double t = position - static_cast<double>(below);
        return values_[below] + (values_[below + 1] - values_[below]) * t;
    }

  private:
    std::vector<double> values_;
};

// Gain of the direction (theta, phi) from the plane gains.
double directionGain(const PlaneTable& ePlane, const PlaneTable& hPlane, bool ePlaneHorizontal,
                     double thetaDeg, double phiDeg) {
    const double x = std::sin(radians(thetaDeg)) * std::cos(radians(phiDeg));
    const double y = std::sin(radians(thetaDeg)) * std::sin(radians(phiDeg));
    const double z = std::cos(radians(thetaDeg));
    const double psiDeg = std::acos(std::clamp(x, -1.0, 1.0)) * 180.0 / pi;
    const double across = y * y + z * z;
    const double eShare = across < 1e-12 ? 0.5 : (ePlaneHorizontal ? y * y : z * z) / across;
    const double power = eShare * std::pow(10.0, ePlane(psiDeg) / 10.0) +
                         (1.0 - eShare) * std::pow(10.0, hPlane(psiDeg) / 10.0);
    return dB(power);
}

std::vector<double> parameters(const QStringList& model, qsizetype count) {
    if (model.size() != count + 1)
        throw BuildError{"model \"" + model.join(' ') + "\" needs " + QString::number(count) + " numbers"};
    std::vector<double> values;
    for (qsizetype i = 1; i < model.size(); ++i) {
        bool ok = false;
        const double value = model[i].toDouble(&ok);
        if (!ok || !(value > 0) || !std::isfinite(value))
            throw BuildError{"model \"" + model.join(' ') + "\": \"" + model[i] +
                             "\" is not a positive number"};
        values.push_back(value);
    }
    return values;
}

// Far field of a line aperture of the given length (m) with an amplitude
// taper and a quadratic phase error reaching `edgePhase` radians at its ends,
// relative to broadside (Balanis, Antenna Theory, ch. 13: the horn apertures).
double apertureField(double psiDeg, double lengthM, double wavelength, double edgePhase, bool cosineTaper) {
    constexpr int points = 400;
    const double k = 2.0 * pi / wavelength;
    const auto field = [&](double sinPsi) {
        std::complex<double> sum = 0;
        for (int i = 0; i < points; ++i) {
            const double u = (i + 0.5) / points - 0.5; // -1/2 .. 1/2 across the aperture
            const double amplitude = cosineTaper ? std::cos(pi * u) : 1.0;
            const double phase = k * u * lengthM * sinPsi - edgePhase * 4.0 * u * u;
            sum += amplitude * std::polar(1.0, phase);
        }
        return std::abs(sum);
    };
    const double obliquity = (1.0 + std::cos(radians(psiDeg))) / 2.0;
    return obliquity * field(std::sin(radians(psiDeg))) / field(0.0);
}

SphericalPattern dish(const QStringList& model) {
    const auto p = parameters(model, 2);
    if (p[0] / wavelengthM(p[1]) > 100.0)
        throw BuildError{"model \"" + model.join(' ') +
                         "\": the reference pattern used holds up to 100 wavelengths"};
    const PlaneGain gain = [d = p[0], f = p[1]](double psi) { return dishGaindBi(psi, d, f); };
    return axialPattern(gain, gain, true);
}

// Optimum pyramidal horn, aperture a (H plane) by b (E plane): gain
// 10 log10(0.51 4 pi a b / lambda^2), E-plane phase error pi/2, H-plane 3 pi/4 (Balanis).
SphericalPattern horn(const QStringList& model, bool ePlaneHorizontal) {
    const auto p = parameters(model, 3);
    const double a = p[0], b = p[1], lambda = wavelengthM(p[2]);
    const double gain = dB(0.51 * 4.0 * pi * a * b / (lambda * lambda));
    const PlaneGain ePlane = [=](double psi) {
        return gain + 2.0 * dB(apertureField(psi, b, lambda, pi / 2.0, false));
    };
    const PlaneGain hPlane = [=](double psi) {
        return gain + 2.0 * dB(apertureField(psi, a, lambda, 3.0 * pi / 4.0, true));
    };
    return axialPattern(ePlane, hPlane, ePlaneHorizontal);
}

// Axial-mode helix of n turns, circumference one wavelength, spacing a quarter
// wavelength: n sources in the Hansen-Woodyard phase, times cos(psi) for one
// turn; directivity 12 n S/lambda (C/lambda)^2 (Kraus, Antennas).
SphericalPattern helix(const QStringList& model) {
    const auto p = parameters(model, 2);
    const double turns = std::round(p[0]);
    if (turns < 2)
        throw BuildError{"model \"" + model.join(' ') + "\": a helix needs at least two turns"};
    constexpr double spacing = 0.25; // wavelengths
    const double gain = dB(12.0 * turns * spacing);
    const PlaneGain plane = [=](double psiDeg) {
        const double psi = radians(psiDeg);
        const double phase = 2.0 * pi * spacing * (std::cos(psi) - 1.0) - pi / turns;
        const double array = std::abs(std::sin(turns * phase / 2.0) / std::sin(phase / 2.0));
        const double field = std::sin(pi / (2.0 * turns)) * array * std::abs(std::cos(psi));
        return gain + 20.0 * std::log10(std::max(field, 1e-15));
    };
    return axialPattern(plane, plane, true);
}

// Rectangular patch of width W over a large plate, air dielectric: two
// radiating slots half a wavelength apart (E plane), each a uniform line
// source of length W times cos(psi) (H plane); nothing behind the plate
// (Balanis, Antenna Theory, ch. 14, the cavity model). The gain is the
// directivity of these fields.
SphericalPattern patch(const QStringList& model, bool ePlaneHorizontal) {
    const auto p = parameters(model, 2);
    const double width = p[0] / wavelengthM(p[1]); // wavelengths
    const auto eField = [](double psi) { return psi >= pi / 2 ? 0.0 : std::cos(pi / 2.0 * std::sin(psi)); };
    const auto hField = [width](double psi) {
        if (psi >= pi / 2)
            return 0.0;
        const double u = pi * width * std::sin(psi);
        return (u < 1e-9 ? 1.0 : std::sin(u) / u) * std::cos(psi);
    };
    // Directivity 4 pi / integral of the power: pi times the integral over
    // psi of (E^2 + H^2) sin psi, from the cos^2/sin^2 interpolation.
    constexpr int steps = 9000;
    double integral = 0;
    for (int i = 0; i < steps; ++i) {
        const double psi = (i + 0.5) * (pi / 2.0) / steps;
        integral +=
            (std::pow(eField(psi), 2) + std::pow(hField(psi), 2)) * std::sin(psi) * (pi / 2.0) / steps;
    }
    const double gain = dB(4.0 / integral);
    const PlaneGain ePlane = [=](double psi) {
        return gain + 20.0 * std::log10(std::max(eField(radians(psi)), 1e-15));
    };
    const PlaneGain hPlane = [=](double psi) {
        return gain + 20.0 * std::log10(std::max(hField(radians(psi)), 1e-15));
    };
    return axialPattern(ePlane, hPlane, ePlaneHorizontal);
}

} // namespace

SphericalPattern axialPattern(const PlaneGain& ePlane, const PlaneGain& hPlane, bool ePlaneHorizontal) {
    const PlaneTable eTable(ePlane);
    const PlaneTable hTable(hPlane);
    SphericalPattern pattern;
    for (int theta = 0; theta < SphericalPattern::thetaCount; ++theta) {
        for (int phi = 0; phi < SphericalPattern::phiCount; ++phi)
            pattern.setGrid(
                theta, phi,
                directionGain(eTable, hTable, ePlaneHorizontal, theta, phi * SphericalPattern::phiStepDeg));
    }
    for (int phi = 0; phi < SphericalPattern::cutCount; ++phi)
        pattern.setHorizon(phi, directionGain(eTable, hTable, ePlaneHorizontal, 90.0, phi));
    return pattern;
}

double dishGaindBi(double psiDeg, double diameterM, double frequencyMHz) {
    const double dOverLambda = diameterM / wavelengthM(frequencyMHz);
    const double gmax = dB(0.55 * std::pow(pi * dOverLambda, 2));
    const double firstSideLobe = 2.0 + 15.0 * std::log10(dOverLambda);
    const double mainLobeEdge = 20.0 / dOverLambda * std::sqrt(std::max(gmax - firstSideLobe, 0.0));
    const double phi = std::abs(psiDeg);
    if (phi < mainLobeEdge)
        return gmax - 2.5e-3 * std::pow(dOverLambda * phi, 2);
    if (phi < 100.0 / dOverLambda)
        return firstSideLobe;
    if (phi < 48.0)
        return 52.0 - 10.0 * std::log10(dOverLambda) - 25.0 * std::log10(phi);
    return 10.0 - 10.0 * std::log10(dOverLambda);
}

SphericalPattern closedFormPattern(const QStringList& model, const QString& polarization) {
    const QString kind = model.value(0);
    const bool ePlaneHorizontal = polarization != "V";
    if (kind == "dish")
        return dish(model);
    if (kind == "horn")
        return horn(model, ePlaneHorizontal);
    if (kind == "helix")
        return helix(model);
    if (kind == "patch")
        return patch(model, ePlaneHorizontal);
    throw BuildError{"unknown model \"" + kind + "\" (nec, dish, horn, helix or patch)"};
}

} // namespace necpattern
