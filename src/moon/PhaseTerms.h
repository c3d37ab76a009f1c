#pragma once

#include <array>

namespace moon::phase_terms {

// One periodic term of the phase method: coefficient (days) x E^ePower x sin(argument), the
// argument being m.M + mp.M' + f.F + om.Omega.
struct PeriodicTerm {
    double coefficient;
    int m, mp, f, om;
    int ePower;
};

// Meeus, Astronomical Algorithms, phases of the Moon: the new-moon, full-moon and quarter series.
// The new-moon and full-moon series are their own first seven terms followed by a shared tail.
extern const std::array<PeriodicTerm, 7> kNewMoonHead;
extern const std::array<PeriodicTerm, 7> kFullMoonHead;
extern const std::array<PeriodicTerm, 18> kNewFullTail;
extern const std::array<PeriodicTerm, 25> kQuarter;

// The planetary arguments A1..A14 (degrees: constant + rate.k + t2.T^2) and their corrections
// (days), added for every phase.
struct PlanetaryTerm {
    double constant, rate, t2;
    double coefficient;
};
extern const std::array<PlanetaryTerm, 14> kPlanetary;

} // namespace moon::phase_terms
