#pragma once

#include <QDateTime>

namespace runtime {

// A date value counts days from 30 December 1899 00:00; its fraction is the time of day.
// For a negative value the whole part (truncated toward zero) is the day and the magnitude of the
// fraction is the time after that day's midnight: -1.25 is 29 December 1899, 06:00.
// Valid from 1 January 100 (-657434) to 31 December 9999 (2958465.99999).
using DateValue = double;

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
constexpr DateValue kMinDateValue = -657434.0;
constexpr DateValue kMaxDateValue = 2958465.99999;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kSecondsPerDay = 86400.0;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Days on a straight line (time always counted forward), the form in which arithmetic is done.
double toLinearDays(DateValue value);
DateValue fromLinearDays(double days);

// Proleptic Gregorian calendar; month and day may overflow as in DateSerial (month 13 = next
// January, day 0 = last day of the previous month). Seconds are whole.
DateValue makeDate(int year, int month, int day);
DateValue makeTime(int hour, int minute, int second);
DateValue makeDateTime(const DateParts& parts);

// Date and time fields, the time rounded to the nearest second.
DateParts splitDate(DateValue value);

int yearOf(DateValue value);
int monthOf(DateValue value);
int dayOf(DateValue value);
int hourOf(DateValue value);
int minuteOf(DateValue value);
int secondOf(DateValue value);
// Sunday = 1 ... Saturday = 7.
int weekdayOf(DateValue value);

// The date at midnight, and the time of day alone (0 <= time < 1).
DateValue datePart(DateValue value);
DateValue timePart(DateValue value);

// Day boundaries crossed from `from` to `to` (negative when `to` is earlier).
long long daysBetween(DateValue from, DateValue to);
// Calendar arithmetic: whole minutes / seconds / days added to date and time.
DateValue addMinutes(DateValue value, long long minutes);
DateValue addSeconds(DateValue value, long long seconds);
DateValue addDays(DateValue value, double days);

bool isInDateRange(DateValue value);
// The first and last days a date value holds: the range every date control offers, unless it
// keeps a narrower one of its own.
QDate firstDate();
QDate lastDate();

QDateTime toQDateTime(DateValue value, Qt::TimeSpec spec = Qt::LocalTime);
DateValue fromQDateTime(const QDateTime& dateTime);
QDate toQDate(DateValue value);
DateValue fromQDate(QDate date);

} // namespace runtime
