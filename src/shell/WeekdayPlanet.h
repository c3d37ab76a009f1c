#pragma once

#include <QString>

namespace shell {

// The planet of a weekday (Sunday = 1): "The Sun", "The Moon", "Mars", "Mercury", "Jupiter",
// "Venus", "Saturn"; "" for any other number.
QString planetOfWeekday(int weekday);

// "7/24/2016 (The Sun)": a date in the system's short date format and the planet of its weekday.
QString dateWithPlanet(double date);

} // namespace shell
