#pragma once

#include "runtime/DateValue.h"

namespace moon {

// The Moon's elongation and illuminated fraction at the universal time d, from mean elements of
// the Sun and the Moon at 1980 January 0.0 with the main lunar perturbations. Sets
// edadLunaGrados (degrees, not reduced) and iluminacionLuna (0 new .. 1 full); returns 0.
int MoonCycle(runtime::DateValue d);

// Eccentric anomaly (radians) for the mean anomaly m (degrees) and eccentricity ecc, by Newton's
// iteration until the last correction is at most 1e-6.
double Kepler(double m, double ecc);

// x - 360 floor(x / 360): 0 <= result < 360.
double FixAngle(double x);
double DegToRad(double degrees);
double RadToDeg(double radians);

} // namespace moon
