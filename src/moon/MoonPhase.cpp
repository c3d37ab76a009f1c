#include "moon/MoonPhase.h"

#include "moon/MoonCalendar.h"
#include "moon/PhaseTerms.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace moon {
namespace {

using phase_terms::PeriodicTerm;

constexpr runtime::Long kMeeusLunationOffset = 953; // lunation of Meeus' k = 0
constexpr double kLunationsPerCentury = 1236.85;    // T = k / 1236.85
constexpr double kDegreesToRadians = 0.0174532925199433;
constexpr double kFullTurn = 360.0;
constexpr double kFirstNewMoon = 8388.51399305556; // 18 December 1922, 12:20:09
constexpr double kHalfSecond = 0.00000579;         // days

constexpr std::array<const char*, 4> NombresFase = {"Waxing Crescent", "Waxing Gibbous",
                                                    "Waning Gibbous", "Wanning Crescent"};

// Whole turns taken off toward zero, then radians.
double reducedRadians(double degrees) {
    return std::fmod(degrees, kFullTurn) * kDegreesToRadians;
}

struct Arguments {
    double e, m, mp, f, om;
};

template <std::size_t N>
double seriesSum(const std::array<PeriodicTerm, N>& series, const Arguments& a, double sum = 0.0) {
    for (const PeriodicTerm& t : series) {
        const double factor = t.ePower == 2 ? a.e * a.e : t.ePower == 1 ? a.e : 1.0;
        sum += t.coefficient * factor * std::sin(t.m * a.m + t.mp * a.mp + t.f * a.f + t.om * a.om);
    }
    return sum;
}

// The quarter correction W: added for the first quarter, taken off for the last.
double quarterCorrection(const Arguments& a) {
    return 0.00306 - 0.00038 * a.e * std::cos(a.m) + 0.00026 * std::cos(a.mp) -
           0.00002 * std::cos(a.mp - a.m) + 0.00002 * std::cos(a.mp + a.m) +
           0.00002 * std::cos(2.0 * a.f);
}

double periodicTerms(runtime::Integer phase, const Arguments& a) {
    switch (phase) {
    case kNewMoon:
        return seriesSum(phase_terms::kNewFullTail, a, seriesSum(phase_terms::kNewMoonHead, a));
    case kFullMoon:
        return seriesSum(phase_terms::kNewFullTail, a, seriesSum(phase_terms::kFullMoonHead, a));
    case kFirstQuarter:
        return seriesSum(phase_terms::kQuarter, a) + quarterCorrection(a);
    case kLastQuarter:
        return seriesSum(phase_terms::kQuarter, a) - quarterCorrection(a);
    default:
        return 0.0;
    }
}

double planetaryCorrections(double k, double t) {
    double sum = 0.0;
    for (const phase_terms::PlanetaryTerm& p : phase_terms::kPlanetary) {
        sum += p.coefficient * std::sin(reducedRadians(p.constant + p.rate * k + p.t2 * t * t));
    }
    return sum;
}

// The phase of lunation L, or of the next lunation when that one falls at or before d.
runtime::DateValue nextPhase(runtime::DateValue d, runtime::Integer phase) {
    const runtime::Long lunation = LunationOf(d);
    const runtime::DateValue x = JDToDate(PhaseJDE(lunation, phase));
    if (runtime::toLinearDays(x) > runtime::toLinearDays(d)) {
        return x;
    }
    return JDToDate(PhaseJDE(lunation + 1, phase));
}

runtime::DateValue previousPhase(runtime::DateValue d, runtime::Integer phase) {
    const runtime::Long lunation = LunationOf(d);
    const runtime::DateValue x = JDToDate(PhaseJDE(lunation, phase));
    if (runtime::toLinearDays(x) < runtime::toLinearDays(d)) {
        return x;
    }
    return JDToDate(PhaseJDE(lunation - 1, phase));
}

// Dates outside the date type are held at its limits, so that the search always ends.
runtime::DateValue heldInRange(runtime::DateValue d) {
    return std::clamp(d, runtime::kMinDateValue, runtime::kMaxDateValue);
}

// The name of an instant among the quarters of its lunation, both on one time scale.
QString nameAmongQuarters(double at, const std::array<double, 4>& quarters) {
    int name = 0;
    if (at >= quarters[kLastQuarter]) {
        name = 3;
    } else if (at >= quarters[kFullMoon]) {
        name = 2;
    } else if (at >= quarters[kFirstQuarter]) {
        name = 1;
    }
    return QString::fromLatin1(NombresFase[name]);
}

runtime::Long seedLunation(runtime::DateValue d) {
    const double months = runtime::roundHalfEven(d - kFirstNewMoon) / kSynodicMonth;
    return runtime::toLong(months).value_or(0);
}

} // namespace

double PhaseJDE(runtime::Long lunation, runtime::Integer phase) {
    const double k = static_cast<double>(lunation - kMeeusLunationOffset) + phase / 4.0;
    const double t = k / kLunationsPerCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    const double mean =
        2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.00000015 * t3 + 0.00000000073 * t4;
    Arguments a;
    a.e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    a.m = reducedRadians(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    a.mp = reducedRadians(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 -
                          0.000000058 * t4);
    a.f = reducedRadians(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 +
                         0.000000011 * t4);
    a.om = reducedRadians(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3);

    return mean + periodicTerms(phase, a) + planetaryCorrections(k, t);
}

runtime::Long LunationOf(runtime::DateValue d) {
    const runtime::DateValue held = heldInRange(d);
    runtime::Long lunation = seedLunation(held);
    const double target = DateToJD(held) + kHalfSecond;
    // One or two passes of a few microseconds: no pause for events, so no handler can run in
    // the middle of a caller's moon computation.
    for (;;) {
        if (PhaseJDE(lunation, kNewMoon) > target) {
            --lunation;
        } else if (PhaseJDE(lunation + 1, kNewMoon) <= target) {
            ++lunation;
        } else {
            return lunation;
        }
    }
}

double MoonAge(runtime::DateValue d) {
    return DateToJD(d) - PhaseJDE(LunationOf(d), kNewMoon);
}

runtime::Single PhaseAngle(runtime::DateValue d) {
    return static_cast<runtime::Single>(MoonAge(d) * kFullTurn / kSynodicMonth);
}

runtime::DateValue NextNewMoon(runtime::DateValue d) {
    return nextPhase(d, kNewMoon);
}
runtime::DateValue NextFirstQuarter(runtime::DateValue d) {
    return nextPhase(d, kFirstQuarter);
}
runtime::DateValue NextFullMoon(runtime::DateValue d) {
    return nextPhase(d, kFullMoon);
}
runtime::DateValue NextLastQuarter(runtime::DateValue d) {
    return nextPhase(d, kLastQuarter);
}
runtime::DateValue PrevFirstQuarter(runtime::DateValue d) {
    return previousPhase(d, kFirstQuarter);
}
runtime::DateValue PrevFullMoon(runtime::DateValue d) {
    return previousPhase(d, kFullMoon);
}
runtime::DateValue PrevLastQuarter(runtime::DateValue d) {
    return previousPhase(d, kLastQuarter);
}

runtime::DateValue CurrentNewMoon(runtime::DateValue d) {
    return JDToDate(PhaseJDE(LunationOf(d), kNewMoon));
}

QString PhaseName(runtime::DateValue d) {
    if (!IsValidDate(d)) {
        return QString();
    }
    std::array<double, 4> quarters{};
    for (runtime::Integer p = kFirstQuarter; p <= kLastQuarter; ++p) {
        quarters[p] = runtime::toLinearDays(JDToDate(PhaseJDE(LunationOf(d), p)));
    }
    return nameAmongQuarters(runtime::toLinearDays(d), quarters);
}

QString PhaseNameByJD(runtime::DateValue d) {
    const runtime::Long lunation = LunationOf(d);
    std::array<double, 4> quarters{};
    for (runtime::Integer p = kFirstQuarter; p <= kLastQuarter; ++p) {
        quarters[p] = PhaseJDE(lunation, p);
    }
    return nameAmongQuarters(DateToJD(d), quarters);
}

} // namespace moon
