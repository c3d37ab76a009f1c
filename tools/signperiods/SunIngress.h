#pragma once

#include <vector>

namespace signperiods {

// The Sun's apparent geocentric ecliptic longitude of date (true equinox), degrees 0..360, at
// the Julian day jdTT in dynamical time: ERFA's Earth ephemeris, light time, annual aberration,
// IAU 2006 precession and IAU 2000A nutation.
double apparentSolarLongitude(double jdTT);

// The Sun entering a sign: its longitude reaches 30 x sign degrees (0 Aries .. 11 Pisces).
struct Ingress {
    int sign;
    double jdTT;
    double jdUT; // jdTT less Delta T
};

// Every ingress from the Julian day fromTT up to toTT (dynamical time), in order.
std::vector<Ingress> ingressesBetween(double fromTT, double toTT);

} // namespace signperiods
