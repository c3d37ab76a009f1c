#include "shell/WeekdayPlanet.h"

#include "runtime/DateValue.h"
#include "runtime/SystemFormats.h"

#include <array>

namespace shell {

QString planetOfWeekday(int weekday) {
    static constexpr std::array<const char*, 7> kPlanets = {
        "The Sun", "The Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    return weekday >= 1 && weekday <= 7 ? QString::fromLatin1(kPlanets[weekday - 1]) : QString();
}

QString dateWithPlanet(double date) {
    return runtime::shortDateText(date) + QStringLiteral(" (") +
           planetOfWeekday(runtime::weekdayOf(date)) + QLatin1Char(')');
}

} // namespace shell
