#include "biorule/BioRule.h"

#include "biorule/BioState.h"
#include "runtime/SystemFormats.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace biorhythms;
using runtime::makeDate;
using runtime::makeDateTime;
using runtime::makeTime;

TEST(DayCount, CountsFromTheBirthInstantToTheStudyDateAtTheClocksTime) {
    const DayCount c =
        dayCount(makeDate(2000, 1, 1), 6, 0, makeDate(2000, 1, 2), makeTime(18, 0, 0));
    EXPECT_EQ(c.diasVida, 0);
    EXPECT_EQ(c.minutosNacRest, 1080);
    EXPECT_FLOAT_EQ(c.diasBase, 0.75F);
    EXPECT_FLOAT_EQ(c.diasVividos, 1.5F);
}

struct ElapsedCase {
    runtime::DateParts birth;
    runtime::DateValue study;
    runtime::DateValue clock;
};

class DayCountElapsed : public testing::TestWithParam<ElapsedCase> {};

// t is the time from the birth instant to the study date at the clock's hour and minute.
TEST_P(DayCountElapsed, IsTheTimeLived) {
    const ElapsedCase& c = GetParam();
    const runtime::DateParts clock = runtime::splitDate(c.clock);
    const double expected = runtime::toLinearDays(c.study) +
                            (clock.hour * 60 + clock.minute) / 1440.0 -
                            runtime::toLinearDays(makeDateTime(c.birth));
    const DayCount count = dayCount(makeDate(c.birth.year, c.birth.month, c.birth.day),
                                    c.birth.hour, c.birth.minute, c.study, c.clock);
    // two roundings to Single
    EXPECT_NEAR(count.diasVividos, expected, std::fabs(expected) * 2.5e-7 + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Lives, DayCountElapsed,
    testing::Values(ElapsedCase{{1970, 7, 24, 9, 5, 0}, makeDate(2024, 2, 29), makeTime(23, 59, 0)},
                    ElapsedCase{{1900, 1, 1, 0, 0, 0}, makeDate(2100, 12, 31), makeTime(12, 30, 0)},
                    // seconds of the clock are ignored
                    ElapsedCase{{2023, 6, 1, 23, 59, 0}, makeDate(2023, 6, 2), makeTime(0, 0, 59)},
                    // born after the study date: a negative t, computed the same way
                    ElapsedCase{{2030, 3, 15, 12, 0, 0}, makeDate(2024, 1, 1), makeTime(8, 0, 0)}));

TEST(CycleValues, UseTheFourPeriods) {
    EXPECT_DOUBLE_EQ(kTwoPi, 6.28318);
    const CycleValues values = cycleValues(1.5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(values[i], static_cast<float>(std::sin(6.28318 * 1.5 / kPeriods[i])));
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(cycleValues(kPeriods[i] / 4.0)[i], 1.0F, 1e-6F) << i;
        EXPECT_NEAR(cycleValues(-kPeriods[i] / 4.0)[i], -1.0F, 1e-6F) << i;
    }
}

TEST(BioRule, BornThisMidnightIsAllZeroAndRising) {
    const DayCount c =
        dayCount(makeDate(2024, 5, 1), 0, 0, makeDate(2024, 5, 1), makeTime(0, 0, 0));
    EXPECT_EQ(c.diasVida, -1);
    EXPECT_EQ(c.minutosNacRest, 1440);
    EXPECT_FLOAT_EQ(c.diasVividos, 0.0F);
    const CycleValues now = cycleValues(c.diasVividos);
    const CycleValues later = cycleValues(c.diasVividos + kOneHour);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(now[i], 0.0F);
        EXPECT_GT(later[i], now[i]);
    }
}

TEST(DayMonthYear, IsWrittenAndReadDayFirstInEveryLocale) {
    EXPECT_EQ(dayMonthYearText(3, 4, 2024), "3/4/2024");
    EXPECT_EQ(dayMonthYearText(24, 12, 1970), "24/12/1970");
    for (const char* locale : {"en_US", "es_ES", "ja_JP"}) {
        runtime::setLocale(QLocale(locale));
        EXPECT_EQ(dayMonthYearDate("3/4/2024"), makeDate(2024, 4, 3)) << locale;
        EXPECT_FALSE(dayMonthYearDate("31/2/2024")) << locale;
    }
    runtime::setLocale(QLocale("en_US"));
}

class ApplyBioRule : public testing::Test {
protected:
    void SetUp() override { resetBioState(); }
    void TearDown() override { resetBioState(); }
};

TEST_F(ApplyBioRule, WritesTheSharedValues) {
    ASSERT_TRUE(applyBioRule("1/1/2000", 6, 0, "2/1/2000", makeDateTime({2024, 1, 1, 18, 0, 0})));
    const BioState& s = bioState();
    EXPECT_EQ(s.fechaNacTxt, "1/1/2000");
    EXPECT_EQ(s.fechaEstudioTxt, "2/1/2000");
    EXPECT_EQ(s.diasVida, 0);
    EXPECT_EQ(s.minutosNacRest, 1080);
    EXPECT_FLOAT_EQ(s.diasVividos, 1.5F);
    const CycleValues now = cycleValues(1.5);
    const CycleValues later = cycleValues(1.5 + 1.0 / 24);
    EXPECT_EQ((CycleValues{s.bioFisico, s.bioEmocional, s.bioIntelectual, s.bioIntuicion}), now);
    EXPECT_EQ((CycleValues{s.bioFisicoProx, s.bioEmocionalProx, s.bioIntelectualProx,
                           s.bioIntuicionProx}),
              later);
}

TEST_F(ApplyBioRule, LeavesTheValuesWhenADateCannotBeRead) {
    ASSERT_TRUE(applyBioRule("1/1/2000", 6, 0, "2/1/2000", makeTime(18, 0, 0)));
    EXPECT_FALSE(applyBioRule("30/2/2000", 6, 0, "2/1/2000", makeTime(18, 0, 0)));
    EXPECT_FALSE(applyBioRule("1/1/2000", 6, 0, "", makeTime(18, 0, 0)));
    EXPECT_EQ(bioState().fechaNacTxt, "1/1/2000");
    EXPECT_FLOAT_EQ(bioState().diasVividos, 1.5F);
}
