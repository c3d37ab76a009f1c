#include "support/ErfaMoon.h"

#include <erfa.h>

#include <cmath>

namespace testing_support {

double erfaMoonIlluminatedFraction(double julianDayTT) {
    double moon[2][3];
    eraMoon98(julianDayTT, 0.0, moon);
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(julianDayTT, 0.0, heliocentric, barycentric);
    // Seen from the Moon: the Sun and the Earth, in the same axes.
    double toSun[3];
    double toEarth[3];
    for (int i = 0; i < 3; ++i) {
        toSun[i] = -heliocentric[0][i] - moon[0][i];
        toEarth[i] = -moon[0][i];
    }
    const double phaseAngle = eraSepp(toSun, toEarth);
    return (1.0 + std::cos(phaseAngle)) / 2.0;
}

} // namespace testing_support
