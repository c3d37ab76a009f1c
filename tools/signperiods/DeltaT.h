#pragma once

namespace signperiods {

// Delta T = TT - UT in seconds for the decimal year y, by the polynomials of Espenak and Meeus
// (2006), from 1800 on; UT = TT - deltaT / 86400 days.
double deltaT(double y);

// The decimal year of those polynomials: the middle of the month, year + (month - 0.5) / 12.
double deltaTYear(int year, int month);

} // namespace signperiods
