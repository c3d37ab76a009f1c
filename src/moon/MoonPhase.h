#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QString>

namespace moon {

// Lunation 0 begins with the new moon of 18 December 1922; lunation 953 with that of
// 6 January 2000 (Meeus' k = lunation - 953).
// Phases: 0 new moon, 1 first quarter, 2 full moon, 3 last quarter.
constexpr runtime::Integer kNewMoon = 0;
constexpr runtime::Integer kFirstQuarter = 1;
constexpr runtime::Integer kFullMoon = 2;
constexpr runtime::Integer kLastQuarter = 3;

// Mean synodic month of the phase angle, days.
constexpr double kSynodicMonth = 29.530589;

// Julian day of the phase of the lunation by Meeus' method with the constants of the book's
// first edition. The instant is dynamical time; the program shows it as universal time.
// A phase outside 0..3 gets the planetary corrections only.
double PhaseJDE(runtime::Long lunation, runtime::Integer phase);

// The lunation whose new moon lies at or before d (half a second of tolerance) and whose next
// new moon lies after it. The search never lets events run.
runtime::Long LunationOf(runtime::DateValue d);

// Days since the new moon of LunationOf(d): 0 up to the length of the lunation.
double MoonAge(runtime::DateValue d);
// MoonAge(d) x 360 / 29.530589, degrees, not reduced (it can pass 360 in a long lunation).
runtime::Single PhaseAngle(runtime::DateValue d);

// Date values of the phase strictly after (Next...) or strictly before (Prev...) d.
runtime::DateValue NextNewMoon(runtime::DateValue d);
runtime::DateValue NextFirstQuarter(runtime::DateValue d);
runtime::DateValue NextFullMoon(runtime::DateValue d);
runtime::DateValue NextLastQuarter(runtime::DateValue d);
runtime::DateValue PrevFirstQuarter(runtime::DateValue d);
runtime::DateValue PrevFullMoon(runtime::DateValue d);
runtime::DateValue PrevLastQuarter(runtime::DateValue d);
// The new moon of LunationOf(d).
runtime::DateValue CurrentNewMoon(runtime::DateValue d);

// "Waxing Crescent", "Waxing Gibbous", "Waning Gibbous" or "Wanning Crescent" (spelled so);
// "" when d fails IsValidDate.
QString PhaseName(runtime::DateValue d);
// The same names by the quarters of d's lunation compared as Julian days, the scale of the phase
// angle and the illumination, so that every day of the date type is named: also the days that
// IsValidDate leaves out (1 to 17 January 100, 5 to 14 October 1582) and those whose quarters
// lie past 31 December 9999, which JDToDate cannot convert.
QString PhaseNameByJD(runtime::DateValue d);

} // namespace moon
