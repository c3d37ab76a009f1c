#include "signperiods/SunIngress.h"

#include "signperiods/DeltaT.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace signperiods {
namespace {

constexpr double kSignWidth = 30.0;                 // degrees
constexpr double kMeanSolarRate = 360.0 / 365.2422; // degrees a day
constexpr double kConverged = 1e-9;                 // days (0.1 ms)
constexpr int kMaxSteps = 50;

double length(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// Degrees in -180..180.
double wrapped(double degrees) {
    return degrees - 360.0 * std::round(degrees / 360.0);
}

// The Sun as seen from the Earth at jdTT: the vector to where the Sun was when the light left it
// (au, BCRS axes); earthVelocity gets the Earth's barycentric velocity (au a day).
void geocentricSun(double jdTT, double sun[3], double earthVelocity[3]) {
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(ERFA_DJ00, jdTT - ERFA_DJ00, heliocentric, barycentric);
    for (int i = 0; i < 3; ++i) {
        sun[i] = -heliocentric[0][i];
        earthVelocity[i] = barycentric[1][i];
    }
    // Two light-time passes: the Sun moves about 7 km around the barycentre in 8 minutes.
    for (int pass = 0; pass < 2; ++pass) {
        const double lightTime = length(sun) * ERFA_AULT / ERFA_DAYSEC;
        double h[2][3], b[2][3];
        eraEpv00(ERFA_DJ00, jdTT - ERFA_DJ00 - lightTime, h, b);
        for (int i = 0; i < 3; ++i) {
            sun[i] = (b[0][i] - h[0][i]) - barycentric[0][i];
        }
    }
}

double solveLongitude(double target, double guessTT) {
    double t = guessTT;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double correction = wrapped(apparentSolarLongitude(t) - target) / kMeanSolarRate;
        t -= correction;
        if (std::fabs(correction) < kConverged) {
            break;
        }
    }
    return t;
}

} // namespace

double apparentSolarLongitude(double jdTT) {
    double sun[3], velocity[3];
    geocentricSun(jdTT, sun, velocity);

    double direction[3], v[3], apparent[3];
    const double distance = length(sun);
    for (int i = 0; i < 3; ++i) {
        direction[i] = sun[i] / distance;
        v[i] = velocity[i] * ERFA_AULT / ERFA_DAYSEC; // in units of c
    }
    const double bm1 = std::sqrt(1.0 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    eraAb(direction, v, distance, bm1, apparent);

    double ra = 0.0, dec = 0.0, longitude = 0.0, latitude = 0.0, dpsi = 0.0, deps = 0.0;
    eraC2s(apparent, &ra, &dec);
    eraEqec06(ERFA_DJ00, jdTT - ERFA_DJ00, ra, dec, &longitude, &latitude);
    eraNut06a(ERFA_DJ00, jdTT - ERFA_DJ00, &dpsi, &deps);
    return eraAnp(longitude + dpsi) * ERFA_DR2D;
}

std::vector<Ingress> ingressesBetween(double fromTT, double toTT) {
    std::vector<Ingress> ingresses;
    const double start = apparentSolarLongitude(fromTT);
    int sign = static_cast<int>(std::floor(start / kSignWidth) + 1) % 12;
    double guess = fromTT + (kSignWidth - std::fmod(start, kSignWidth)) / kMeanSolarRate;
    for (;;) {
        const double tt = solveLongitude(sign * kSignWidth, guess);
        if (tt > toTT) {
            return ingresses;
        }
        int year = 0, month = 0, day = 0;
        double fraction = 0.0;
        eraJd2cal(tt, 0.0, &year, &month, &day, &fraction);
        const double ut = tt - deltaT(deltaTYear(year, month)) / ERFA_DAYSEC;
        ingresses.push_back({sign, tt, ut});
        sign = (sign + 1) % 12;
        guess = tt + kSignWidth / kMeanSolarRate;
    }
}

} // namespace signperiods
