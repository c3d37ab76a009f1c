#pragma once

#include <QString>

namespace shell {

// The planet of a weekday (Sunday = 1): "The Sun", "The Moon", "Mars", "Mercury", "Jupiter",
// "Venus", "Saturn"; "" for any other number.
QString planetOfWeekday(int weekday);

} // namespace shell
