#include "moon/MoonCalendar.h"

#include "moon/MoonState.h"
#include "runtime/SystemFormats.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/ReferenceCsv.h"

#include <gtest/gtest.h>

using namespace moon;
using platform::TIME_ZONE_ID_DAYLIGHT;
using platform::TIME_ZONE_ID_INVALID;
using platform::TIME_ZONE_ID_STANDARD;
using platform::TIME_ZONE_ID_UNKNOWN;
using runtime::DateValue;
using runtime::makeDateTime;

namespace {

constexpr double kOneSecond = 1.0 / 86400.0;

} // namespace

TEST(MonthToName, GivesTheEnglishNameOrNothing) {
    EXPECT_EQ(MonthToName(1), "January");
    EXPECT_EQ(MonthToName(9), "September");
    EXPECT_EQ(MonthToName(12), "December");
    EXPECT_EQ(MonthToName(0), "");
    EXPECT_EQ(MonthToName(13), "");
    EXPECT_EQ(MonthToName(-1), "");
}

struct JulianDayCase {
    DateValue date;
    double jd;
};

class JulianDay : public testing::TestWithParam<JulianDayCase> {};

TEST_P(JulianDay, ConvertsBothWays) {
    const JulianDayCase& c = GetParam();
    EXPECT_DOUBLE_EQ(DateToJD(c.date), c.jd);
    EXPECT_DOUBLE_EQ(JDToDate(c.jd), c.date);
}

INSTANTIATE_TEST_SUITE_P(
    AroundTheEpochAndTheReform, JulianDay,
    testing::Values(JulianDayCase{0.0, 2415018.5}, JulianDayCase{36526.0, 2451544.5},
                    JulianDayCase{-1.25, 2415017.75}, JulianDayCase{0.25, 2415018.75},
                    // 4 October 1582 is read as a date of the Julian calendar.
                    JulianDayCase{-115869.0, 2299159.5}, JulianDayCase{-115858.0, 2299160.5},
                    JulianDayCase{-115858.75, 2299161.25}));

// Meeus' Gregorian examples (chapter 7); the Julian-calendar ones lie before 1500, where the
// fixed ten-day difference no longer holds.
TEST(JulianDay, MatchesMeeusGregorianExamples) {
    int checked = 0;
    for (const QStringList& row : testing_support::readReferenceCsv("meeus_examples.csv")) {
        const QString input = row[4];
        if (row[5] != "JD" || !input.startsWith("Gregorian ")) {
            continue;
        }
        const QStringList ymd = input.mid(10).section(' ', 0, 0).split('-');
        const double day = ymd[2].toDouble();
        const DateValue date = runtime::fromLinearDays(
            runtime::makeDate(ymd[0].toInt(), ymd[1].toInt(), 1) + day - 1.0);
        EXPECT_NEAR(DateToJD(date), row[6].toDouble(), 1e-6) << input.toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 10);
}

TEST(JulianDay, JDToDateInvertsDateToJDOnBothSidesOfTheEpoch) {
    for (double linear = -657400.0; linear < 2958000.0; linear += 12345.678) {
        const DateValue date = runtime::fromLinearDays(linear);
        if (date > -115869.0 && date < -115858.0) {
            continue; // the ten dropped days have no Julian day of their own
        }
        EXPECT_NEAR(JDToDate(DateToJD(date)), date, 1e-6) << linear;
    }
}

TEST(JulianDay, OutsideTheValidRangeGivesTheEpoch) {
    EXPECT_DOUBLE_EQ(JDToDate(5373484.5), 0.0);
    EXPECT_DOUBLE_EQ(JDToDate(1757593.5), 0.0);
    EXPECT_TRUE(IsValidJD(1757593.50001));
    EXPECT_TRUE(IsValidJD(5373484.49998843));
    EXPECT_FALSE(IsValidJD(5373484.49999));
}

struct ValidDateCase {
    DateValue date;
    bool valid;
};

class ValidDate : public testing::TestWithParam<ValidDateCase> {};

TEST_P(ValidDate, FollowsTheLimitsAndTheReform) {
    EXPECT_EQ(IsValidDate(GetParam().date), GetParam().valid) << GetParam().date;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ValidDate,
    testing::Values(ValidDateCase{-657418.0, false}, ValidDateCase{-657417.5, true},
                    ValidDateCase{-657418.1, true}, ValidDateCase{-657418.2, false},
                    ValidDateCase{-115865.0, false}, ValidDateCase{-115869.0, true},
                    ValidDateCase{-115860.0, false}, ValidDateCase{-115858.0, true},
                    ValidDateCase{2958465.99999, true}, ValidDateCase{2958466.0, false},
                    ValidDateCase{std::numeric_limits<double>::quiet_NaN(), false}));

struct ConversionCase {
    runtime::Long result;
    int expectedHour;
};

class LocalToUniversal : public testing::TestWithParam<ConversionCase> {};

// A zone of UTC+1 with one hour of daylight time: Bias -60, DaylightBias -60.
TEST_P(LocalToUniversal, AppliesTheBiasInForce) {
    const testing_support::FakeTimeZone zone(-60, -60, GetParam().result);
    const DateValue ut = LocalToUT(makeDateTime({2024, 1, 15, 12, 0, 0}));
    EXPECT_DOUBLE_EQ(ut, makeDateTime({2024, 1, 15, GetParam().expectedHour, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(ZoneStates, LocalToUniversal,
                         testing::Values(ConversionCase{TIME_ZONE_ID_STANDARD, 11},
                                         ConversionCase{TIME_ZONE_ID_DAYLIGHT, 10},
                                         ConversionCase{TIME_ZONE_ID_UNKNOWN, 11},
                                         // an unknown zone leaves the value as it is
                                         ConversionCase{TIME_ZONE_ID_INVALID, 12}));

TEST(LocalToUT, ShiftsOverMidnightAndBeforeTheEpoch) {
    const testing_support::FakeTimeZone zone(-60, -60, TIME_ZONE_ID_STANDARD);
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 3, 1, 0, 30, 0})),
                     makeDateTime({2024, 2, 29, 23, 30, 0}));
    // 30 December 1899 00:30 local is 29 December 23:30 UT, a negative date value.
    EXPECT_NEAR(LocalToUT(makeDateTime({1899, 12, 30, 0, 30, 0})),
                makeDateTime({1899, 12, 29, 23, 30, 0}), kOneSecond / 100);
}

TEST(LocalToUT, UsesTheSystemZoneFromTZ) {
    const testing_support::ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock clock(makeDateTime({2024, 7, 1, 12, 0, 0}));
    EXPECT_DOUBLE_EQ(LocalToUT(runtime::Now()), makeDateTime({2024, 7, 1, 10, 0, 0}));
}

// Each instant with the zone's offset at that instant, whatever the season of the clock.
TEST(LocalToUT, TakesTheOffsetOfTheInstantItConverts) {
    const testing_support::ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock december(makeDateTime({2024, 12, 10, 12, 0, 0}));
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 6, 20, 22, 50, 55})),
                     makeDateTime({2024, 6, 20, 20, 50, 55}));
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 1, 15, 12, 0, 0})),
                     makeDateTime({2024, 1, 15, 11, 0, 0}));
    // Around the spring change, and a local time that the change skips.
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 3, 31, 1, 59, 59})),
                     makeDateTime({2024, 3, 31, 0, 59, 59}));
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 3, 31, 3, 0, 0})),
                     makeDateTime({2024, 3, 31, 1, 0, 0}));
    EXPECT_DOUBLE_EQ(LocalToUT(makeDateTime({2024, 3, 31, 2, 30, 0})),
                     makeDateTime({2024, 3, 31, 1, 30, 0}));
    EXPECT_DOUBLE_EQ(UniversalToLocal(makeDateTime({2024, 6, 20, 20, 50, 55})),
                     makeDateTime({2024, 6, 20, 22, 50, 55}));
}

// Local 02:30 of 27 October 2024 comes twice in Madrid: at 00:30 UT in daylight time and at
// 01:30 UT in standard time. The present is read in the pass the clock is in.
TEST(LocalToUT, ReadsThePresentInBothPassesOfTheRepeatedHour) {
    const testing_support::ZoneVariable tz("Europe/Madrid");
    testing_support::FakeClock clock(0);
    for (const int universalHour : {0, 1}) {
        const DateValue instant = makeDateTime({2024, 10, 27, universalHour, 30, 0});
        clock.setUniversal(instant);
        ASSERT_DOUBLE_EQ(runtime::Now(), makeDateTime({2024, 10, 27, 2, 30, 0}));
        EXPECT_DOUBLE_EQ(LocalToUT(runtime::Now()), instant) << universalHour;
        EXPECT_DOUBLE_EQ(UniversalToLocal(instant), runtime::Now()) << universalHour;
    }
    clock.setUniversal(makeDateTime({2024, 10, 27, 0, 59, 59}));
    clock.advanceSeconds(1);
    EXPECT_DOUBLE_EQ(runtime::Now(), makeDateTime({2024, 10, 27, 2, 0, 0})) << "clocks go back";
    EXPECT_DOUBLE_EQ(LocalToUT(runtime::Now()), makeDateTime({2024, 10, 27, 1, 0, 0}));
}

class UTToLocalTexts : public testing::Test {
protected:
    void SetUp() override {
        runtime::setLocale(QLocale("es_ES"));
        resetMoonState();
    }
    void TearDown() override { runtime::setLocale(QLocale("en_US")); }

    testing_support::FakeClock clock{makeDateTime({2024, 2, 28, 9, 15, 0})};
};

TEST_F(UTToLocalTexts, CrossesIntoTomorrowAndKeepsItsTexts) {
    const testing_support::FakeTimeZone zone(-60, -60, TIME_ZONE_ID_STANDARD);
    EXPECT_TRUE(moonState().fechaLocalTxt.isEmpty());

    const DateValue local = UTToLocal(runtime::makeTime(23, 30, 0));

    EXPECT_DOUBLE_EQ(local, makeDateTime({2024, 2, 29, 0, 30, 0}));
    EXPECT_EQ(moonState().fechaLocalTxt, runtime::shortDateText(runtime::makeDate(2024, 2, 29)));
    EXPECT_EQ(moonState().horaLocalTxt, "0:30:00");
}

TEST_F(UTToLocalTexts, SubtractsTheDaylightBiasToo) {
    const testing_support::FakeTimeZone zone(300, -60, TIME_ZONE_ID_DAYLIGHT);
    EXPECT_DOUBLE_EQ(UTToLocal(runtime::makeTime(2, 0, 0)), makeDateTime({2024, 2, 27, 22, 0, 0}));
    EXPECT_EQ(moonState().fechaLocalTxt, runtime::shortDateText(runtime::makeDate(2024, 2, 27)));
    EXPECT_EQ(moonState().horaLocalTxt, "22:00:00");
}

TEST_F(UTToLocalTexts, WithoutAZoneShowsTheUniversalTime) {
    const testing_support::FakeTimeZone zone(-60, -60, TIME_ZONE_ID_INVALID);
    EXPECT_DOUBLE_EQ(UTToLocal(runtime::makeTime(8, 5, 3)), makeDateTime({2024, 2, 28, 8, 5, 3}));
    EXPECT_EQ(moonState().horaLocalTxt, "8:05:03");
}
