#include "moon/MoonCycle.h"

#include "moon/MoonState.h"
#include "support/ReferenceCsv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

using namespace moon;

namespace {

double illuminationAt(runtime::DateValue d) {
    MoonCycle(d);
    return moonState().iluminacionLuna;
}

} // namespace

// NASA Goddard SVS "Moon Phase and Libration", hourly 2020-2022.
TEST(MoonCycle, IlluminationFollowsNasaHourlyValues) {
    const auto rows = testing_support::readReferenceCsv("moon_illum_age_nasa_svs_2020_2022.csv");
    ASSERT_GT(rows.size(), 26000u);
    double worst = 0.0;
    for (const QStringList& row : rows) {
        const double error =
            illuminationAt(testing_support::isoInstant(row[0])) - row[1].toDouble();
        EXPECT_LE(std::fabs(error), 0.005) << row[0].toStdString();
        worst = std::max(worst, std::fabs(error));
    }
    std::cout << "worst illuminated fraction against NASA 2020-2022: " << worst << "\n";
}

TEST(MoonCycle, IsDarkAtNewMoonsAndFullAtFullMoons) {
    for (const QStringList& row : testing_support::readReferenceCsv("moon_phases_usno.csv")) {
        const runtime::DateValue instant = testing_support::isoInstant(row[1]);
        if (runtime::yearOf(instant) < 1990 || runtime::yearOf(instant) > 2030) {
            continue;
        }
        const double expected[] = {0.0, 0.5, 1.0, 0.5};
        EXPECT_NEAR(illuminationAt(instant), expected[row[0].toInt()], 0.02)
            << row[1].toStdString();
    }
}

TEST(MoonCycle, KeepsOnlyTheLastCallsValues) {
    MoonCycle(testing_support::isoInstant("2021-01-28T19:16:00Z")); // full moon
    MoonCycle(testing_support::isoInstant("2021-01-13T05:00:00Z")); // new moon
    EXPECT_LT(moonState().iluminacionLuna, 0.01);
    EXPECT_NEAR(std::fmod(moonState().edadLunaGrados + 720.0, 360.0), 0.0, 6.0);
}

TEST(MoonCycle, ReturnsZero) {
    EXPECT_EQ(MoonCycle(44000.0), 0);
}

TEST(FixAngle, ReducesIntoOneTurn) {
    EXPECT_DOUBLE_EQ(FixAngle(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(FixAngle(360.0), 0.0);
    EXPECT_DOUBLE_EQ(FixAngle(725.0), 5.0);
    EXPECT_DOUBLE_EQ(FixAngle(0.0), 0.0);
}

TEST(Kepler, WithoutEccentricityReturnsTheMeanAnomaly) {
    EXPECT_DOUBLE_EQ(Kepler(90.0, 0.0), DegToRad(90.0));
    EXPECT_DOUBLE_EQ(Kepler(356.237137, 0.0), DegToRad(356.237137));
}

TEST(Kepler, SolvesKeplersEquationForTheSunsOrbit) {
    for (double m = -360.0; m <= 720.0; m += 17.5) {
        const double e = Kepler(m, 0.016718);
        EXPECT_NEAR(e - 0.016718 * std::sin(e), DegToRad(m), 1e-9) << m;
    }
}

TEST(DegToRad, AndRadToDegAreInverse) {
    EXPECT_DOUBLE_EQ(DegToRad(180.0), 3.14159265358979);
    EXPECT_DOUBLE_EQ(RadToDeg(DegToRad(123.456)), 123.456);
}
