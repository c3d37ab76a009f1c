#pragma once

#include <QScrollBar>
#include <QString>

#include <array>

namespace biorhythms {

// Month tables of the Biorhythms window, index 1 to 12 (0 unused).
using MonthTable = std::array<QString, 13>;
MonthTable monthNames();   // "January" .. "December"
MonthTable monthLengths(); // "31", "28", "31", ... as texts

bool isLeapYear(int year);
// The length of a month from the table, February of a leap year one day longer.
int monthLength(const MonthTable& lengths, int month, int year);

// A vertical scroll bar of a date or time part with its largest value at the top: its upper
// arrow raises the value by one, its lower arrow lowers it.
class DateScroll : public QScrollBar {
    Q_OBJECT

public:
    explicit DateScroll(QWidget* parent = nullptr);

    int top() const { return maximum(); }
    int bottom() const { return minimum(); }

protected:
    // Turning the wheel up raises the value, as the upper arrow does.
    void wheelEvent(QWheelEvent* event) override;
};

// The month-length rule on a day bar: a day beyond the month's length becomes its last day
// (the day bar's change runs), then the length becomes the bar's top.
void fitDayToMonth(DateScroll& day, int length);

} // namespace biorhythms
