#include "runtime/SystemFormats.h"
#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <limits>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

class LocaleScope {
public:
    explicit LocaleScope(const char* name) { setLocale(QLocale(QString::fromLatin1(name))); }
    ~LocaleScope() { setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST(SystemFormats, ShortDateHasAFourDigitYear) {
    const DateValue d = makeDate(2016, 7, 24);
    {
        LocaleScope es("es_ES");
        EXPECT_EQ(shortDateText(d), "24/7/2016");
    }
    LocaleScope us("en_US");
    EXPECT_EQ(shortDateText(d), "7/24/2016");
}

TEST(SystemFormats, LongTimeHasSecondsAndNoZone) {
    LocaleScope es("es_ES");
    EXPECT_EQ(longTimeText(makeTime(9, 5, 3)), "9:05:03");
    EXPECT_EQ(longTimeText(0.0), "0:00:00");
    LocaleScope us("en_US");
    EXPECT_EQ(longTimeText(makeTime(21, 5, 3)), "9:05:03 PM");
}

struct PlainDigitsCase {
    const char* locale;
    const char* date; // 24 July 2016
    const char* time; // 21:05:03
};

void PrintTo(const PlainDigitsCase& c, std::ostream* os) {
    *os << c.locale;
}

class PlainDigits : public testing::TestWithParam<PlainDigitsCase> {};

// Locales that write their own digits and directional marks still give the digits 0-9 in their
// own order and with their own separators, as desktop systems write date and time texts.
TEST_P(PlainDigits, DateAndTimeTextsUseTheDigitsZeroToNine) {
    const PlainDigitsCase& c = GetParam();
    LocaleScope scope(c.locale);
    const QString date = shortDateText(makeDate(2016, 7, 24));
    const QString time = longTimeText(makeTime(21, 5, 3));
    EXPECT_EQ(date, QString::fromUtf8(c.date));
    EXPECT_EQ(time, QString::fromUtf8(c.time));
    EXPECT_EQ(generalDateText(makeDateTime({2016, 7, 24, 21, 5, 3})), date + ' ' + time);
    for (const QChar ch : date + time) {
        EXPECT_FALSE(ch.isDigit() && ch.unicode() > 0x7F)
            << "digit U+" << std::hex << int(ch.unicode());
        EXPECT_NE(ch.category(), QChar::Other_Format) << "mark U+" << std::hex << int(ch.unicode());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PlainDigits,
    testing::Values(PlainDigitsCase{"en_US", "7/24/2016", "9:05:03 PM"},
                    // Arabic-Indic digits and a right-to-left mark after day and month.
                    PlainDigitsCase{"ar_EG", "24/7/2016", "9:05:03 \u0645"},
                    // Extended Arabic-Indic digits, year first.
                    PlainDigitsCase{"fa_IR", "2016/7/24", "21:05:03"},
                    PlainDigitsCase{"bn_BD", "24/7/2016", "9:05:03 PM"},
                    PlainDigitsCase{"mr_IN", "24/7/2016", "9:05:03 PM"},
                    PlainDigitsCase{"my_MM", "24-07-2016", "21:05:03"},
                    PlainDigitsCase{"ne_NP", "2016/7/24", "21:05:03"}));

TEST(SystemFormats, GeneralDateDropsEmptyParts) {
    LocaleScope es("es_ES");
    EXPECT_EQ(generalDateText(makeDate(2016, 7, 24)), "24/7/2016");
    EXPECT_EQ(generalDateText(makeTime(2, 5, 17)), "2:05:17");
    EXPECT_EQ(generalDateText(makeDateTime({2016, 7, 24, 2, 5, 17})), "24/7/2016 2:05:17");
}

struct TextToDateCase {
    const char* locale;
    const char* text;
    DateOrder order;
    DateParts expected;
};

class TextToDate : public testing::TestWithParam<TextToDateCase> {};

TEST_P(TextToDate, Reads) {
    const auto& c = GetParam();
    LocaleScope scope(c.locale);
    const auto value = dateFromText(QString::fromUtf8(c.text), c.order);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*value, makeDateTime(c.expected)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToDate,
    testing::Values(
        TextToDateCase{"es_ES", "24/07/2016", DateOrder::Locale, {2016, 7, 24, 0, 0, 0}},
        TextToDateCase{"en_US", "7/24/2016", DateOrder::Locale, {2016, 7, 24, 0, 0, 0}},
        TextToDateCase{"en_US", "15/6/1980", DateOrder::DayFirst, {1980, 6, 15, 0, 0, 0}},
        TextToDateCase{"en_US", "1/2/2000", DateOrder::DayFirst, {2000, 2, 1, 0, 0, 0}},
        TextToDateCase{"en_US", "2024/03/20 21:07:05", DateOrder::Locale, {2024, 3, 20, 21, 7, 5}},
        TextToDateCase{"es_ES", " 2024/03/20 03:06:00 ", DateOrder::Locale, {2024, 3, 20, 3, 6, 0}},
        TextToDateCase{"en_US", "June/15/1980", DateOrder::Locale, {1980, 6, 15, 0, 0, 0}},
        TextToDateCase{"es_ES", "June/15/1980", DateOrder::Locale, {1980, 6, 15, 0, 0, 0}},
        TextToDateCase{"en_US", "3/20/2024 9:05 PM", DateOrder::Locale, {2024, 3, 20, 21, 5, 0}},
        TextToDateCase{"en_US", "3/20/2024 12:00 AM", DateOrder::Locale, {2024, 3, 20, 0, 0, 0}}));

TEST(TextToDate, RefusesWhatIsNoDate) {
    LocaleScope es("es_ES");
    for (const char* text :
         {"", "31/02/2024", "hello", "12/13/2024", "1/1/2024 25:00", "1/1/99999"}) {
        EXPECT_FALSE(dateFromText(QString::fromLatin1(text)).has_value())
            << text << " read as " << *dateFromText(QString::fromLatin1(text));
    }
}

struct NumberCase {
    double value;
    const char* pattern;
    const char* expected;
};

class NumberPattern : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberPattern, Formats) {
    LocaleScope us("en_US");
    const auto& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberPattern,
    testing::Values(NumberCase{59.996, "0.00", "60.00"}, NumberCase{-12.345, "0.00", "-12.35"},
                    NumberCase{2.675, "0.00", "2.68"}, NumberCase{-0.001, "0.00", "0.00"},
                    NumberCase{0.5, "0", "1"}, NumberCase{-2.5, "0", "-3"},
                    NumberCase{0.3, "###", ""}, NumberCase{99.6, "###", "100"},
                    NumberCase{45.678, "###", "46"},
                    NumberCase{2451544.5, "0.0000000", "2451544.5000000"},
                    NumberCase{999.995, "0.00", "1000.00"}, NumberCase{0.005, "0.00", "0.01"},
                    NumberCase{9.5e18, "0", "9500000000000000000"},
                    NumberCase{-1.23456789012345678e25, "0.00", "-12345678901234600000000000.00"},
                    NumberCase{1e-300, "###", ""}, NumberCase{-4e-310, "0.00", "0.00"}));

// Beyond every integer type the digits still come out, 15 significant ones and then zeros;
// infinities and NaN read as the locale writes them.
TEST(NumberPattern, EveryDoubleHasAText) {
    LocaleScope us("en_US");
    const QString largest = formatNumber(std::numeric_limits<double>::max(), "0.00");
    EXPECT_EQ(largest.size(), 309 + 3);
    EXPECT_TRUE(largest.startsWith("179769313486232000")) << largest.toStdString();
    EXPECT_TRUE(largest.endsWith("000.00"));
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::max(), "###").size(), 310);
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "0.00"), "inf");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "###"), "-inf");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "0"), "nan");
}

TEST(NumberPattern, UsesTheLocaleDecimalSeparator) {
    LocaleScope es("es_ES");
    EXPECT_EQ(formatNumber(-12.345, "0.00"), "-12,35");
}

TEST(DatePattern, NamesFollowTheSystemLanguage) {
    const DateValue d = makeDate(2024, 3, 20);
    {
        LocaleScope us("en_US");
        EXPECT_EQ(formatDate(d, "dddd, mmmm d, yyyy"), "Wednesday, March 20, 2024");
        EXPECT_EQ(formatDate(d, "mmmm d"), "March 20");
    }
    LocaleScope es("es_ES");
    EXPECT_EQ(formatDate(d, "dddd, mmmm d yyyy"), "miércoles, marzo 20 2024");
}

TEST(Numeric, ConversionsRoundHalvesToEvenAndRefuseOverflow) {
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(3.5), 4);
    EXPECT_EQ(toInteger(-2.5), -2);
    EXPECT_FALSE(toInteger(32768.0).has_value());
    EXPECT_EQ(toLong(32768.0), 32768);
    EXPECT_EQ(Int(-1.5), -2.0);
    EXPECT_EQ(Fix(-1.5), -1.0);
    EXPECT_EQ(digitValue(QLatin1Char('7')), 7);
    EXPECT_EQ(digitValue(QLatin1Char('/')), 0);
}
