#pragma once

#include "runtime/DateValue.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace runtime {

// The locale whose formats the program shows: the system's, unless a test pins another.
QLocale currentLocale();
void setLocale(const QLocale& locale);

// The system's short date format with a four-digit year ("24/07/2016", "7/24/2016"), written
// with the digits 0-9 and without directional marks in every locale ("24/7/2016" in ar_EG).
QString shortDateText(DateValue value);
// The system's time format with seconds, without a time-zone name ("9:05:03", "9:05:03 AM"),
// with the digits 0-9 in every locale.
QString longTimeText(DateValue value);
// A date value turned into text without a pattern: the date alone at 00:00:00, the time alone
// when the date part is 0, else both separated by a blank.
QString generalDateText(DateValue value);

// Month and weekday names in the system's language (month 1..12, weekday Sunday = 1).
QString localMonthName(int month);
QString localWeekdayName(int weekday);

enum class DateOrder { Locale, DayFirst };

// The runtime's text-to-date conversion: day, month and year in the locale's order (or day first
// for texts the program composes as day/month/year), a four-digit year first ("2024/03/20"),
// month names in English or the system's language, an optional time h:mm[:ss] with AM/PM.
// Nothing when the text is not a valid date.
std::optional<DateValue> dateFromText(const QString& text, DateOrder order = DateOrder::Locale);

// Number patterns "0", "0.00", "0.0000000" (fixed decimals) and "###" (no leading zeros, the
// empty text for 0); halves round away from zero; the locale's decimal separator. Every double
// has a text: huge values in full digits, infinities and NaN as the locale writes them.
QString formatNumber(double value, const QString& pattern);

// Date patterns built of d, dd, ddd, dddd, m, mm, mmm, mmmm, yy, yyyy and literal text
// ("mmmm d", "dddd, mmmm d, yyyy"); names in the system's language.
QString formatDate(DateValue value, const QString& pattern);

} // namespace runtime
