#include "moon/MoonCycle.h"

#include "moon/MoonCalendar.h"
#include "moon/MoonState.h"

#include <cmath>

namespace moon {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kEpoch = 2444238.5; // 1980 January 0.0

// The Sun.
constexpr double kTropicalYear = 365.2422;              // days
constexpr double kEclipticLongitudeAtEpoch = 278.83354; // degrees
constexpr double kPerigeeLongitude = 282.596403;        // degrees
constexpr double kEccentricity = 0.016718;
constexpr double kOnePlusEccentricity = 1.016718;
constexpr double kOneMinusEccentricity = 0.983282;

// The Moon.
constexpr double kMeanLongitudeRate = 13.1763966;   // degrees a day
constexpr double kMeanLongitudeAtEpoch = 64.975464; // degrees
constexpr double kPerigeeRate = 0.1114041;          // degrees a day
constexpr double kPerigeeAtEpoch = 349.383063;      // degrees
constexpr double kEvection = 1.2739;
constexpr double kAnnualEquation = 0.1858;
constexpr double kThirdCorrection = 0.37;
constexpr double kCentreEquation = 6.2886;
constexpr double kFourthCorrection = 0.214;
constexpr double kVariation = 0.6583;

constexpr double kKeplerTolerance = 0.000001;

double sinDeg(double degrees) {
    return std::sin(DegToRad(degrees));
}

} // namespace

int MoonCycle(runtime::DateValue d) {
    const double day = DateToJD(d) - kEpoch;

    const double n = FixAngle((360.0 / kTropicalYear) * day);
    const double m = FixAngle(n + kEclipticLongitudeAtEpoch - kPerigeeLongitude);
    const double e = Kepler(m, kEccentricity);
    const double trueAnomaly =
        2.0 * RadToDeg(std::atan(std::sqrt(kOnePlusEccentricity / kOneMinusEccentricity) *
                                 std::tan(e / 2.0)));
    const double sunLongitude = FixAngle(trueAnomaly + kPerigeeLongitude);

    const double ml = FixAngle(kMeanLongitudeRate * day + kMeanLongitudeAtEpoch);
    const double mm = FixAngle(ml - kPerigeeRate * day - kPerigeeAtEpoch);
    const double evection = kEvection * sinDeg(2.0 * (ml - sunLongitude) - mm);
    const double annual = kAnnualEquation * sinDeg(m);
    const double a3 = kThirdCorrection * sinDeg(m);
    const double mmp = mm + evection - annual - a3;
    const double centre = kCentreEquation * sinDeg(mmp);
    const double a4 = kFourthCorrection * sinDeg(2.0 * mmp);
    const double lp = ml + evection + centre - annual + a4;
    const double variation = kVariation * sinDeg(2.0 * (lp - sunLongitude));
    const double lpp = lp + variation;

    MoonState& state = moonState();
    state.edadLunaGrados = lpp - sunLongitude;
    state.iluminacionLuna = (1.0 - std::cos(DegToRad(state.edadLunaGrados))) / 2.0;
    return 0;
}

double Kepler(double m, double ecc) {
    double e = DegToRad(m);
    const double mr = e;
    double delta = 0.0;
    do {
        delta = e - ecc * std::sin(e) - mr;
        e -= delta / (1.0 - ecc * std::cos(e));
    } while (std::fabs(delta) > kKeplerTolerance);
    return e;
}

double FixAngle(double x) {
    return x - 360.0 * std::floor(x / 360.0);
}
double DegToRad(double degrees) {
    return degrees * kPi / 180.0;
}
double RadToDeg(double radians) {
    return radians * 180.0 / kPi;
}

} // namespace moon
