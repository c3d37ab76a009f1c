#include "platform/TimeZoneInfo.h"

#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::ZoneVariable;

namespace {

struct ZoneCase {
    const char* zone;
    int year, month, day;
    runtime::Long bias, daylightBias, result;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
    *os << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
}

class SystemZone : public testing::TestWithParam<ZoneCase> {};

} // namespace

TEST_P(SystemZone, ReportsTheBiasesInForceAtTheClocksMoment) {
    const ZoneCase& c = GetParam();
    const ZoneVariable tz(c.zone);
    testing_support::FakeClock clock(0);
    clock.setDateTime(c.year, c.month, c.day, 12, 0, 0);

    TimeZoneInformation info;
    const runtime::Long result = GetTimeZoneInformation(info);

    EXPECT_EQ(result, c.result);
    if (result != TIME_ZONE_ID_INVALID) {
        EXPECT_EQ(info.Bias, c.bias);
        EXPECT_EQ(info.DaylightBias, c.daylightBias);
        EXPECT_EQ(info.StandardBias, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zones, SystemZone,
    testing::Values(
        ZoneCase{"UTC", 2024, 7, 1, 0, 0, TIME_ZONE_ID_UNKNOWN},
        ZoneCase{"Europe/Madrid", 2024, 1, 15, -60, -60, TIME_ZONE_ID_STANDARD},
        ZoneCase{"Europe/Madrid", 2024, 7, 15, -60, -60, TIME_ZONE_ID_DAYLIGHT},
        ZoneCase{"America/New_York", 2024, 1, 15, 300, -60, TIME_ZONE_ID_STANDARD},
        ZoneCase{"America/New_York", 2024, 7, 15, 300, -60, TIME_ZONE_ID_DAYLIGHT},
        // Southern hemisphere: daylight time in January.
        ZoneCase{"Australia/Sydney", 2024, 7, 15, -600, -60, TIME_ZONE_ID_STANDARD},
        ZoneCase{"Australia/Sydney", 2024, 1, 15, -600, -60, TIME_ZONE_ID_DAYLIGHT},
        // Half-hour daylight shift.
        ZoneCase{"Australia/Lord_Howe", 2024, 1, 15, -630, -30, TIME_ZONE_ID_DAYLIGHT},
        // Tokyo kept daylight time only in the 1940s: no daylight saving now.
        ZoneCase{"Asia/Tokyo", 2024, 7, 15, -540, 0, TIME_ZONE_ID_UNKNOWN},
        ZoneCase{"Asia/Kolkata", 2024, 7, 15, -330, 0, TIME_ZONE_ID_UNKNOWN},
        // Brazil dropped daylight time in 2019: the state in force at the moment decides.
        ZoneCase{"America/Sao_Paulo", 2018, 1, 15, 180, -60, TIME_ZONE_ID_DAYLIGHT},
        ZoneCase{"America/Sao_Paulo", 2024, 1, 15, 180, 0, TIME_ZONE_ID_UNKNOWN},
        // A POSIX rule instead of a zone name.
        ZoneCase{"CET-1CEST,M3.5.0,M10.5.0/3", 2024, 7, 15, -60, -60, TIME_ZONE_ID_DAYLIGHT},
        ZoneCase{"Nowhere/Atlantis", 2024, 7, 15, 0, 0, TIME_ZONE_ID_INVALID}));

TEST(SystemZoneChange, FollowsTheClockAcrossTheSpringChange) {
    const ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock clock(0);
    TimeZoneInformation info;

    clock.setDateTime(2024, 3, 31, 1, 59, 59);
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_STANDARD);
    clock.setDateTime(2024, 3, 31, 3, 0, 0);
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_DAYLIGHT);
}

// The repeated hour of the autumn change: the same local times, daylight time in the first pass
// and standard time in the second.
TEST(SystemZoneChange, TellsTheTwoPassesOfTheRepeatedHourApart) {
    const ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock clock(0);
    TimeZoneInformation info;

    clock.setUniversal(runtime::makeDateTime({2024, 10, 27, 0, 30, 0}));
    ASSERT_EQ(runtime::Now(), runtime::makeDateTime({2024, 10, 27, 2, 30, 0}));
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_DAYLIGHT);
    clock.setUniversal(runtime::makeDateTime({2024, 10, 27, 1, 30, 0}));
    ASSERT_EQ(runtime::Now(), runtime::makeDateTime({2024, 10, 27, 2, 30, 0}));
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_STANDARD);
}

TEST(SystemZoneChange, AnyInstantHasItsOwnState) {
    const ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock clock(runtime::makeDateTime({2024, 12, 10, 12, 0, 0}));
    TimeZoneInformation info;
    const QDateTime june(QDate(2024, 6, 20), QTime(20, 50, 55), Qt::UTC);
    EXPECT_EQ(GetTimeZoneInformationAt(june, info), TIME_ZONE_ID_DAYLIGHT);
    EXPECT_EQ(info.Bias + info.DaylightBias, -120);
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_STANDARD) << "December";
}

TEST(FakeZone, ReplacesTheSystemZoneWhileItLives) {
    TimeZoneInformation info;
    {
        const testing_support::FakeTimeZone fake(-60, -60, TIME_ZONE_ID_DAYLIGHT);
        EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_DAYLIGHT);
        EXPECT_EQ(info.Bias, -60);
    }
    EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_UNKNOWN); // the run's TZ=UTC
    EXPECT_EQ(info.Bias, 0);
}
