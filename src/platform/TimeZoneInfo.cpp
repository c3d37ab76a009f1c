#include "platform/TimeZoneInfo.h"

#include "runtime/Clock.h"

#include <QTimeZone>

namespace platform {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr qint64 kDaylightLookAheadDays = 366;

// The extra offset of the zone's coming daylight time, in seconds; 0 when none starts within a
// year.
int comingDaylightOffset(const QTimeZone& zone, const QDateTime& at) {
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    if (!next.atUtc.isValid() || next.atUtc > at.addDays(kDaylightLookAheadDays)) {
        return 0;
    }
    return next.daylightTimeOffset;
}

class SystemTimeZone final : public TimeZoneSource {
public:
    runtime::Long query(const QDateTime& at, TimeZoneInformation& info) const override {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        if (!zone.isValid()) {
            return TIME_ZONE_ID_INVALID;
        }
        info = TimeZoneInformation();
        info.Bias = -zone.standardTimeOffset(at) / kSecondsPerMinute;
        if (zone.isDaylightTime(at)) {
            info.DaylightBias = -zone.daylightTimeOffset(at) / kSecondsPerMinute;
            return TIME_ZONE_ID_DAYLIGHT;
        }
        const int daylight = comingDaylightOffset(zone, at);
        info.DaylightBias = -daylight / kSecondsPerMinute;
        return daylight != 0 ? TIME_ZONE_ID_STANDARD : TIME_ZONE_ID_UNKNOWN;
    }
};

const SystemTimeZone systemTimeZone;
const TimeZoneSource* current = &systemTimeZone;

} // namespace

void setTimeZoneSource(const TimeZoneSource* replacement) {
    current = replacement ? replacement : &systemTimeZone;
}

runtime::Long GetTimeZoneInformation(TimeZoneInformation& info) {
    return GetTimeZoneInformationAt(runtime::clock().instant(), info);
}

runtime::Long GetTimeZoneInformationAt(const QDateTime& at, TimeZoneInformation& info) {
    return current->query(at, info);
}

} // namespace platform
