// Patterns of the antennas NEC-2's thin wires do not describe: parabolic
// dishes, pyramidal horns, axial-mode helices and patches. data/README.md
// gives each formula and its source.
//
// Each model gives its gain in the two principal planes as a function of the
// angle psi off its axis (+x); between the planes the power is interpolated
// as cos^2 and sin^2 of the angle around the axis.
#pragma once

#include "SphericalPattern.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace necpattern {

using PlaneGain = std::function<double(double psiDeg)>; // dBi

// `ePlaneHorizontal`: the E plane is the horizontal plane (horizontal
// polarization); otherwise it is the vertical plane.
SphericalPattern axialPattern(const PlaneGain& ePlane, const PlaneGain& hPlane, bool ePlaneHorizontal);

// ITU-R F.699 reference pattern of a dish of diameter d (m) at f (MHz), 55 %
// aperture efficiency.
double dishGaindBi(double psiDeg, double diameterM, double frequencyMHz);

// The model named by a catalogue entry, e.g. {"dish", "1.2", "1296"}.
// `polarization` is the entry's POL ("H", "V", "X" or "C").
SphericalPattern closedFormPattern(const QStringList& model, const QString& polarization);

} // namespace necpattern
