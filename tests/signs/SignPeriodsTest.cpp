#include "signs/SignPeriods.h"

#include "signs/SignTable.h"
#include "runtime/SystemFormats.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace readings;
using runtime::DateValue;
using runtime::makeDateTime;

namespace {

const char* const kAriesLine = "2024/03/20 03:06:21 - 2024/04/19 13:59:48";

} // namespace

class SignPeriodFiles : public testing::Test {
protected:
    void write(const char* file, const QByteArray& text) {
        folder.write(QStringLiteral("fechas-db/") + file, text);
    }
    testing_support::TempProgramFolder folder;
};

TEST_F(SignPeriodFiles, ABoundaryBelongsToItsPeriod) {
    write("aries.txt", QByteArray(kAriesLine) + "\r\n");
    const DateValue start = makeDateTime({2024, 3, 20, 3, 6, 21});
    const DateValue end = makeDateTime({2024, 4, 19, 13, 59, 48});
    for (const DateValue moment : {start, end, makeDateTime({2024, 4, 1, 0, 0, 0})}) {
        const auto period = findSignPeriod(moment);
        ASSERT_TRUE(period);
        EXPECT_EQ(period->sign, 0);
        EXPECT_DOUBLE_EQ(period->start, start);
        EXPECT_DOUBLE_EQ(period->end, end);
    }
    EXPECT_FALSE(findSignPeriod(runtime::addSeconds(start, -1)));
    EXPECT_FALSE(findSignPeriod(runtime::addSeconds(end, 1)));
}

TEST_F(SignPeriodFiles, AtASharedBoundaryTheEarlierSignInOrderWins) {
    write("aries.txt", QByteArray(kAriesLine) + "\r\n");
    write("tauro.txt", "2024/04/19 13:59:48 - 2024/05/20 12:59:34\r\n");
    EXPECT_EQ(findSignPeriod(makeDateTime({2024, 4, 19, 13, 59, 48}))->sign, 0);
    EXPECT_EQ(findSignPeriod(makeDateTime({2024, 4, 19, 13, 59, 49}))->sign, 1);
}

TEST_F(SignPeriodFiles, SkipsBadLinesAndMissingFilesAndStopsAtAnEmptyLine) {
    write("aries.txt", "garbage\r\n2024/13/40 00:00:00 - 2024/04/19 13:59:48\r\n"
                       "2020/03/20 03:49:36 - 2020/04/19 14:45:23\r\n\r\n" +
                           QByteArray(kAriesLine) + "\r\n");
    write("virgo.txt", "2024/08/22 - 2024/09/22\n"); // LF only, dates without a time
    EXPECT_EQ(findSignPeriod(makeDateTime({2020, 4, 1, 0, 0, 0}))->sign, 0);
    EXPECT_FALSE(findSignPeriod(makeDateTime({2024, 4, 1, 0, 0, 0}))); // after the empty line
    EXPECT_EQ(findSignPeriod(makeDateTime({2024, 9, 1, 0, 0, 0}))->sign, 5);
}

TEST_F(SignPeriodFiles, WithoutAnyFileNothingIsFound) {
    EXPECT_FALSE(findSignPeriod(makeDateTime({2024, 4, 1, 0, 0, 0})));
}

TEST_F(SignPeriodFiles, ReadsAFileAgainWhenItChanges) {
    const DateValue april = makeDateTime({2024, 4, 1, 0, 0, 0});
    EXPECT_FALSE(findSignPeriod(april));
    write("tauro.txt", QByteArray(kAriesLine) + "\r\n");
    EXPECT_EQ(findSignPeriod(april)->sign, 1);
    write("tauro.txt", "2024/04/19 13:59:48 - 2024/05/20 12:59:34\r\n\r\n");
    EXPECT_FALSE(findSignPeriod(april));
}

TEST_F(SignPeriodFiles, ReadsTheLinesAgainInAnotherLocale) {
    write("leo.txt", "03/04/2024 00:00:00 - 05/04/2024 00:00:00\r\n");
    const DateValue tenthOfApril = makeDateTime({2024, 4, 10, 0, 0, 0});
    runtime::setLocale(QLocale("en_US")); // 4 March to 4 May
    EXPECT_EQ(findSignPeriod(tenthOfApril)->sign, 4);
    runtime::setLocale(QLocale("es_ES")); // 3 to 5 April
    EXPECT_FALSE(findSignPeriod(tenthOfApril));
    runtime::setLocale(QLocale("en_US"));
}

// The shipped lines write the year first, so every locale reads them alike.
class PeriodLineInLocale : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override { runtime::setLocale(QLocale("en_US")); }
};

TEST_P(PeriodLineInLocale, ReadsTheSameInstants) {
    runtime::setLocale(QLocale(GetParam()));
    const auto period = parseSignPeriod(kAriesLine, 0);
    ASSERT_TRUE(period);
    EXPECT_DOUBLE_EQ(period->start, makeDateTime({2024, 3, 20, 3, 6, 21}));
    EXPECT_DOUBLE_EQ(period->end, makeDateTime({2024, 4, 19, 13, 59, 48}));
}

INSTANTIATE_TEST_SUITE_P(Locales, PeriodLineInLocale,
                         testing::Values("en_US", "es_ES", "de_DE", "fr_FR", "ja_JP", "hu_HU",
                                         "en_GB", "C"));

TEST(ParseSignPeriod, NeedsTwoDatesAroundADash) {
    EXPECT_FALSE(parseSignPeriod("2024/03/20 03:06:21", 0));
    EXPECT_FALSE(parseSignPeriod("2024/03/20 03:06:21 - ", 0));
    EXPECT_FALSE(parseSignPeriod(" - 2024/03/20 03:06:21", 0));
    EXPECT_FALSE(parseSignPeriod("", 0));
}

TEST(SignChangeOn, FindsTheBoundaryOfToday) {
    const SignPeriod period{0, makeDateTime({2024, 3, 20, 3, 6, 21}),
                            makeDateTime({2024, 4, 19, 13, 59, 48})};
    EXPECT_EQ(signChangeOn(period, runtime::makeDate(2024, 3, 20)), period.start);
    EXPECT_EQ(signChangeOn(period, runtime::makeDate(2024, 4, 19)), period.end);
    EXPECT_FALSE(signChangeOn(period, runtime::makeDate(2024, 4, 1)));
    // Day and month only: the same day of another year counts.
    EXPECT_EQ(signChangeOn(period, runtime::makeDate(2031, 3, 20)), period.start);
}

TEST(PeriodRangeText, NamesTheMonthsOfTheLocale) {
    const SignPeriod leo{4, makeDateTime({2024, 7, 22, 14, 44, 0}),
                         makeDateTime({2024, 8, 22, 21, 55, 0})};
    runtime::setLocale(QLocale("en_US"));
    EXPECT_EQ(periodRangeText(leo), "July 22/August 22");
    runtime::setLocale(QLocale("es_ES"));
    EXPECT_EQ(periodRangeText(leo), "julio 22/agosto 22");
    runtime::setLocale(QLocale("en_US"));
}

TEST(SeasonText, DependsOnTheMonthAndTheHemisphere) {
    EXPECT_EQ(seasonText(3, false), "At this time begins the Spring!");
    EXPECT_EQ(seasonText(3, true), "At this time begins the Autumn!");
    EXPECT_EQ(seasonText(6, false), "At this time begins the Summer!");
    EXPECT_EQ(seasonText(6, true), "At this time begins the Winter!");
    EXPECT_EQ(seasonText(9, false), "At this time begins the Autumn!");
    EXPECT_EQ(seasonText(9, true), "At this time begins the Spring!");
    EXPECT_EQ(seasonText(12, false), "At this time begins the Winter!");
    EXPECT_EQ(seasonText(12, true), "At this time begins the Summer!");
    EXPECT_EQ(seasonText(4, false), "");
    EXPECT_EQ(seasonText(4, true), "");
}

TEST(SignChangeMessage, EndsWithTheSeasonLine) {
    EXPECT_EQ(signChangeMessage("20/3/2024", "4:06:21", "At this time begins the Spring!"),
              "Change of sign along the day 20/3/2024 at 4:06:21 (local time).\r\n"
              "At this time begins the Spring!");
    EXPECT_EQ(signChangeMessage("19/4/2024", "15:59:48", ""),
              "Change of sign along the day 19/4/2024 at 15:59:48 (local time).\r\n");
}

struct TableCase {
    int month, day;
    runtime::Integer sign;
    const char* name;
};

class FixedTable : public testing::TestWithParam<TableCase> {};

TEST_P(FixedTable, TakesTheFirstBoundaryAfterTheDate) {
    const TableCase& c = GetParam();
    const SignTableRow& row = signOfTable(makeDateTime({2023, c.month, c.day, 23, 59, 59}));
    EXPECT_EQ(row.sign, c.sign);
    EXPECT_STREQ(row.name, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FixedTable,
    testing::Values(TableCase{1, 1, 9, "Capricorn"}, TableCase{1, 19, 9, "Capricorn"},
                    TableCase{1, 20, 10, "Aquarius"}, TableCase{2, 18, 10, "Aquarius"},
                    TableCase{2, 19, 11, "Pisces"}, TableCase{3, 21, 0, "Aries"},
                    TableCase{7, 22, 3, "Cancer"}, TableCase{7, 23, 4, "Leo"},
                    TableCase{11, 22, 8, "Sagittarius"}, TableCase{12, 21, 8, "Sagittarius"},
                    TableCase{12, 22, 9, "Capricorn"}, TableCase{12, 31, 9, "Capricorn"}));

TEST(FixedTable, RangeTextsCoverTheDaysOfTheirRows) {
    runtime::setLocale(QLocale("en_US"));
    for (std::size_t i = 0; i + 1 < TablaSignos.size(); ++i) {
        const SignTableRow& row = TablaSignos[i];
        const DateValue lastDay = runtime::makeDate(2023, row.month, row.day - 1);
        const QString range = QString::fromLatin1(row.range);
        EXPECT_TRUE(range.endsWith("/" + runtime::formatDate(lastDay, "mmmm d"))) << row.range;
        EXPECT_EQ(signOfTable(lastDay).sign, row.sign);
    }
    EXPECT_STREQ(TablaSignos.back().range, TablaSignos.front().range);
}
