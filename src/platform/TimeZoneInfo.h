#pragma once

#include "runtime/Numeric.h"

#include <QDateTime>

namespace platform {

// The time-zone record of the universal-time conversions. Biases are minutes, UT = local + bias.
struct TimeZoneInformation {
    runtime::Long Bias = 0;         // -(standard offset from UT)
    runtime::Long StandardBias = 0; // always 0 here
    runtime::Long DaylightBias = 0; // -(daylight offset - standard offset); 0 without daylight time
};

// Result codes of GetTimeZoneInformation.
constexpr runtime::Long TIME_ZONE_ID_UNKNOWN = 0; // the zone has no daylight saving time
constexpr runtime::Long TIME_ZONE_ID_STANDARD = 1;
constexpr runtime::Long TIME_ZONE_ID_DAYLIGHT = 2;
constexpr runtime::Long TIME_ZONE_ID_INVALID = -1; // the zone could not be determined

// Where the time-zone state comes from; tests install a fixed one.
class TimeZoneSource {
public:
    virtual ~TimeZoneSource() = default;
    // The zone's record and the time in force at the instant `at`.
    virtual runtime::Long query(const QDateTime& at, TimeZoneInformation& info) const = 0;
};

// Installs another source (not owned); nullptr puts the system's zone back.
void setTimeZoneSource(const TimeZoneSource* replacement);

// Fills info with the zone at the clock's present instant and tells which time is in force. The
// system's zone honours TZ; a zone with no daylight time in force or starting within a year
// reports TIME_ZONE_ID_UNKNOWN.
runtime::Long GetTimeZoneInformation(TimeZoneInformation& info);
// The same at any instant, for converting that instant with the offset it had.
runtime::Long GetTimeZoneInformationAt(const QDateTime& at, TimeZoneInformation& info);

} // namespace platform
