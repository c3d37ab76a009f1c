#include "runtime/DateValue.h"

#include <cmath>

namespace runtime {
namespace {

constexpr qint64 kJulianDayOfEpoch = 2415019; // QDate::toJulianDay() of 30 December 1899

long long roundToSeconds(double linearDays) {
    return std::llround(linearDays * kSecondsPerDay);
}

} // namespace

double toLinearDays(DateValue value) {
    if (value >= 0.0) {
        return value;
    }
    const double whole = std::trunc(value);
    return whole + std::fabs(value - whole);
}

DateValue fromLinearDays(double days) {
    if (days >= 0.0) {
        return days;
    }
    const double whole = std::floor(days);
    const double fraction = days - whole;
    return fraction == 0.0 ? whole : whole - fraction;
}

DateValue makeDate(int year, int month, int day) {
    const int monthIndex = month - 1;
    const int yearShift = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    const QDate first(year + yearShift, monthIndex - yearShift * 12 + 1, 1);
    return static_cast<double>(first.toJulianDay() - kJulianDayOfEpoch + day - 1);
}

DateValue makeTime(int hour, int minute, int second) {
    return fromLinearDays((hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay);
}

DateValue makeDateTime(const DateParts& parts) {
    const double day = makeDate(parts.year, parts.month, parts.day);
    return fromLinearDays(day + (parts.hour * 3600.0 + parts.minute * 60.0 + parts.second) /
                                    kSecondsPerDay);
}

DateParts splitDate(DateValue value) {
    const long long totalSeconds = roundToSeconds(toLinearDays(value));
    long long days = totalSeconds / 86400;
    long long seconds = totalSeconds % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    const QDate date = QDate::fromJulianDay(days + kJulianDayOfEpoch);
    DateParts parts;
    parts.year = date.year();
    parts.month = date.month();
    parts.day = date.day();
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

int yearOf(DateValue value) {
    return splitDate(value).year;
}
int monthOf(DateValue value) {
    return splitDate(value).month;
}
int dayOf(DateValue value) {
    return splitDate(value).day;
}
int hourOf(DateValue value) {
    return splitDate(value).hour;
}
int minuteOf(DateValue value) {
    return splitDate(value).minute;
}
int secondOf(DateValue value) {
    return splitDate(value).second;
}

int weekdayOf(DateValue value) {
    const DateParts parts = splitDate(value);
    return QDate(parts.year, parts.month, parts.day).dayOfWeek() % 7 + 1;
}

DateValue datePart(DateValue value) {
    const DateParts parts = splitDate(value);
    return makeDate(parts.year, parts.month, parts.day);
}

DateValue timePart(DateValue value) {
    const DateParts parts = splitDate(value);
    return makeTime(parts.hour, parts.minute, parts.second);
}

long long daysBetween(DateValue from, DateValue to) {
    const auto dayOfValue = [](DateValue v) {
        return static_cast<long long>(std::floor(toLinearDays(v)));
    };
    return dayOfValue(to) - dayOfValue(from);
}

DateValue addSeconds(DateValue value, long long seconds) {
    const long long total = roundToSeconds(toLinearDays(value)) + seconds;
    return fromLinearDays(static_cast<double>(total) / kSecondsPerDay);
}

DateValue addMinutes(DateValue value, long long minutes) {
    return addSeconds(value, minutes * 60);
}

DateValue addDays(DateValue value, double days) {
    return fromLinearDays(toLinearDays(value) + days);
}

bool isInDateRange(DateValue value) {
    return value >= kMinDateValue && value <= kMaxDateValue;
}

QDate firstDate() {
    return QDate(kFirstYear, 1, 1);
}

QDate lastDate() {
    return QDate(kLastYear, 12, 31);
}

QDateTime toQDateTime(DateValue value, Qt::TimeSpec spec) {
    const DateParts p = splitDate(value);
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second), spec);
}

DateValue fromQDateTime(const QDateTime& dateTime) {
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    return makeDateTime({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
}

QDate toQDate(DateValue value) {
    const DateParts p = splitDate(value);
    return QDate(p.year, p.month, p.day);
}

DateValue fromQDate(QDate date) {
    return static_cast<double>(date.toJulianDay() - kJulianDayOfEpoch);
}

} // namespace runtime
