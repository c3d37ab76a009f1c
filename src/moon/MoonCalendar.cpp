#include "moon/MoonCalendar.h"

#include "moon/MoonState.h"
#include "platform/TimeZoneInfo.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"

#include <array>
#include <cmath>
#include <optional>

namespace moon {
namespace {

constexpr std::array<const char*, 12> NombresMes = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr double kGregorianReformJD = 2299160.5;
// Julian day of the date value 0 (30 December 1899, 00:00), less half a day, and the same read in
// the Julian calendar, ten days later.
constexpr double kGregorianOffset = 2415018.0;
constexpr double kJulianCalendarOffset = 2415028.0;
constexpr double kGregorianEpochJD = kGregorianOffset + 0.5;
constexpr double kJulianEpochJD = kJulianCalendarOffset + 0.5;
constexpr double kMinValidJD = 1757593.50001;
constexpr double kMaxValidJD = 5373484.49998843;

constexpr double kMinValidDate = -657418.176956019;
constexpr double kMaxValidDate = 2958465.99999;
constexpr double kExcludedDate = -657418.0;
constexpr double kDroppedDaysAfter = -115869.0;    // 4 October 1582
constexpr double kDroppedDaysUpTo = -115859.99999; // 14 October 1582, 23:59:59

// Minutes to add to local time for universal time, as the zone stood at the instant `universal`;
// nothing when the zone is unknown.
std::optional<long long> biasAt(runtime::DateValue universal) {
    platform::TimeZoneInformation info;
    switch (platform::GetTimeZoneInformationAt(runtime::toQDateTime(universal, Qt::UTC), info)) {
    case platform::TIME_ZONE_ID_UNKNOWN:
    case platform::TIME_ZONE_ID_STANDARD:
        return static_cast<long long>(info.Bias);
    case platform::TIME_ZONE_ID_DAYLIGHT:
        return static_cast<long long>(info.Bias) + info.DaylightBias;
    default:
        return std::nullopt;
    }
}

double secondsFromNow(runtime::DateValue universal) {
    return std::fabs(runtime::toLinearDays(universal) -
                     runtime::toLinearDays(runtime::NowUniversal())) *
           runtime::kSecondsPerDay;
}

} // namespace

QString MonthToName(runtime::Integer month) {
    if (month < 1 || month > 12) {
        return QString();
    }
    return QString::fromLatin1(NombresMes[month - 1]);
}

double DateToJD(runtime::DateValue d) {
    if (d >= 0.0) {
        return d + kGregorianEpochJD;
    }
    const double whole = std::trunc(d);
    const double fraction = d - whole;
    const double offset = whole >= kGregorianReformDate ? kGregorianOffset : kJulianCalendarOffset;
    return whole + offset + 0.5 - fraction;
}

runtime::DateValue JDToDate(double jd) {
    if (!IsValidJD(jd)) {
        return 0.0;
    }
    const double t = jd - (jd >= kGregorianReformJD ? kGregorianEpochJD : kJulianEpochJD);
    if (t >= 0.0 || t == std::floor(t)) {
        return t;
    }
    return 2.0 * std::floor(t) - t;
}

bool IsValidJD(double jd) {
    return jd >= kMinValidJD && jd <= kMaxValidJD;
}

bool IsValidDate(runtime::DateValue d) {
    return d > kMinValidDate && d <= kMaxValidDate && d != kExcludedDate &&
           !(d > kDroppedDaysAfter && d <= kDroppedDaysUpTo);
}

runtime::DateValue LocalToUT(runtime::DateValue local) {
    // A change of clock lies between the offsets a day before and a day after; each offset that
    // holds at the instant it gives is a reading of the local time.
    const auto before = biasAt(runtime::addDays(local, -1));
    const auto after = biasAt(runtime::addDays(local, 1));
    if (!before || !after) {
        return local;
    }
    std::optional<runtime::DateValue> reading;
    for (const long long bias : {*before, *after}) {
        const runtime::DateValue universal = runtime::addMinutes(local, bias);
        if (biasAt(universal) == bias &&
            (!reading || secondsFromNow(universal) < secondsFromNow(*reading))) {
            reading = universal;
        }
    }
    // A local time skipped by a spring change is read with the offset before it.
    return reading.value_or(runtime::addMinutes(local, *before));
}

runtime::DateValue UniversalToLocal(runtime::DateValue universal) {
    const auto bias = biasAt(universal);
    return bias ? runtime::addMinutes(universal, -*bias) : universal;
}

runtime::DateValue UTToLocal(runtime::DateValue timeOfDay) {
    const runtime::DateValue local =
        UniversalToLocal(runtime::addDays(runtime::Today(), runtime::toLinearDays(timeOfDay)));
    MoonState& state = moonState();
    state.fechaLocalTxt = runtime::shortDateText(local);
    state.horaLocalTxt = runtime::longTimeText(local);
    return local;
}

} // namespace moon
