#pragma once

#include <QRect>
#include <QString>

class QCalendarWidget;
class QDateEdit;

namespace testing_support {

// A user's input into the date controls, through the controls' own buttons and keys.

// Types a year into the calendar: a click on the year opens its editor with the focus, the keys
// go to the focused editor and Return closes it. False when the editor never has the focus.
bool typeYear(QCalendarWidget* calendar, const QString& year);
// The cell of a day on the calendar, in the calendar's own coordinates: of the month shown
// (`month` 0), of the one before it (-1) or after it (1); empty when it shows no such day.
QRect dayCell(QCalendarWidget* calendar, int day, int month = 0);
// Clicks the day of the month the calendar shows: the first cell of that number after the
// month's first day. False when the month shows no such day.
bool clickDay(QCalendarWidget* calendar, int day);
// Clicks the calendar's arrow "qt_calendar_prevmonth" or "qt_calendar_nextmonth" so many times.
bool clickMonthArrow(QCalendarWidget* calendar, const char* arrow, int times);
// Presses the keys that move the calendar's selection back (or on) by a day, a week and a month,
// each so many times, on the day table with the focus. False when the table never has it.
bool pressCalendarKeys(QCalendarWidget* calendar, bool back, int times);
// Steps every part of the date edit down (or up) from its first part to its last, with Page Down
// (Page Up) and the arrow key each so many times, Tab moving on to the next part. False when the
// edit never has the focus.
bool stepEveryPart(QDateEdit* edit, bool down, int times);

} // namespace testing_support
