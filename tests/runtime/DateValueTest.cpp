#include "runtime/DateValue.h"

#include <gtest/gtest.h>

using namespace runtime;

struct DateCase {
    DateValue value;
    DateParts parts;
};

class DateValueParts : public testing::TestWithParam<DateCase> {};

TEST_P(DateValueParts, SplitsAndRebuilds) {
    const DateCase& c = GetParam();
    const DateParts p = splitDate(c.value);
    EXPECT_EQ(p.year, c.parts.year);
    EXPECT_EQ(p.month, c.parts.month);
    EXPECT_EQ(p.day, c.parts.day);
    EXPECT_EQ(p.hour, c.parts.hour);
    EXPECT_EQ(p.minute, c.parts.minute);
    EXPECT_DOUBLE_EQ(makeDateTime(c.parts), c.value);
}

INSTANTIATE_TEST_SUITE_P(Epochs, DateValueParts,
                         testing::Values(DateCase{0.0, {1899, 12, 30, 0, 0, 0}},
                                         DateCase{1.0, {1899, 12, 31, 0, 0, 0}},
                                         DateCase{36526.0, {2000, 1, 1, 0, 0, 0}},
                                         DateCase{-1.25, {1899, 12, 29, 6, 0, 0}},
                                         DateCase{0.25, {1899, 12, 30, 6, 0, 0}},
                                         DateCase{-115858.0, {1582, 10, 15, 0, 0, 0}},
                                         DateCase{-657434.0, {100, 1, 1, 0, 0, 0}},
                                         DateCase{2958465.5, {9999, 12, 31, 12, 0, 0}}));

TEST(DateValue, NegativeQuarterIsTheSameInstantAsPositive) {
    EXPECT_DOUBLE_EQ(toLinearDays(-0.25), 0.25);
    EXPECT_DOUBLE_EQ(toLinearDays(-1.25), -0.75);
    EXPECT_DOUBLE_EQ(fromLinearDays(-0.75), -1.25);
}

TEST(DateValue, ArithmeticCrossesTheEpochForward) {
    // 29 December 1899 23:00 plus two hours is 30 December 01:00.
    const DateValue lateOnThe29th = makeDateTime({1899, 12, 29, 23, 0, 0});
    EXPECT_NEAR(addMinutes(lateOnThe29th, 120), 1.0 / 24, 1e-9);
    EXPECT_NEAR(addMinutes(0.5, -24 * 60), -1.5, 1e-9);
}

TEST(DateValue, DaysBetweenCountsBoundaries) {
    EXPECT_EQ(daysBetween(makeDateTime({2024, 3, 1, 23, 59, 0}), makeDate(2024, 3, 2)), 1);
    EXPECT_EQ(daysBetween(makeDate(1980, 6, 15), makeDate(1980, 6, 15)), 0);
    EXPECT_EQ(daysBetween(-1.75, 0.1), 1);
    EXPECT_EQ(daysBetween(makeDate(2000, 1, 1), makeDate(1999, 12, 31)), -1);
}

TEST(DateValue, MakeDateNormalisesOverflow) {
    EXPECT_DOUBLE_EQ(makeDate(2023, 13, 1), makeDate(2024, 1, 1));
    EXPECT_DOUBLE_EQ(makeDate(2024, 3, 0), makeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(makeDate(2024, 0, 1), makeDate(2023, 12, 1));
    EXPECT_DOUBLE_EQ(makeDate(2024, -11, 1), makeDate(2023, 1, 1));
}

TEST(DateValue, WeekdayCountsFromSunday) {
    EXPECT_EQ(weekdayOf(makeDate(2024, 3, 17)), 1); // a Sunday
    EXPECT_EQ(weekdayOf(makeDate(2024, 3, 23)), 7);
    EXPECT_EQ(weekdayOf(-1.25), 6); // 29 December 1899 was a Friday
}

TEST(DateValue, TimeRoundsToTheNearestSecond) {
    const DateValue almostMidnight = makeDate(2024, 1, 1) + 86399.6 / 86400.0;
    const DateParts p = splitDate(almostMidnight);
    EXPECT_EQ(p.day, 2);
    EXPECT_EQ(p.hour, 0);
}

// The date controls offer exactly the days a date value holds.
TEST(DateValue, TheFirstAndLastDatesAreTheEndsOfTheRange) {
    EXPECT_DOUBLE_EQ(fromQDate(firstDate()), kMinDateValue);
    EXPECT_DOUBLE_EQ(fromQDate(lastDate()), datePart(kMaxDateValue));
    EXPECT_TRUE(isInDateRange(fromQDate(firstDate())));
    EXPECT_TRUE(isInDateRange(fromQDate(lastDate()) + 0.5));
    EXPECT_FALSE(isInDateRange(fromQDate(firstDate().addDays(-1))));
    EXPECT_FALSE(isInDateRange(fromQDate(lastDate().addDays(1))));
}
