#include "biorhythms/DateScroll.h"

#include <QWheelEvent>

namespace biorhythms {

MonthTable monthNames() {
    return {QString(),
            QStringLiteral("January"),
            QStringLiteral("February"),
            QStringLiteral("March"),
            QStringLiteral("April"),
            QStringLiteral("May"),
            QStringLiteral("June"),
            QStringLiteral("July"),
            QStringLiteral("August"),
            QStringLiteral("September"),
            QStringLiteral("October"),
            QStringLiteral("November"),
            QStringLiteral("December")};
}

MonthTable monthLengths() {
    MonthTable table;
    constexpr std::array<int, 13> kDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t month = 1; month < table.size(); ++month) {
        table[month] = QString::number(kDays[month]);
    }
    return table;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int monthLength(const MonthTable& lengths, int month, int year) {
    const int length = lengths.at(static_cast<std::size_t>(month)).toInt();
    return month == 2 && isLeapYear(year) ? length + 1 : length;
}

DateScroll::DateScroll(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    setSingleStep(1);
    setPageStep(1);
    // Drawn upside down, the bar would still lower its value on the upper arrow and on a click
    // above the handle; each step is turned round before it applies.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        switch (action) {
        case SliderSingleStepAdd:
        case SliderPageStepAdd:
            setSliderPosition(value() - 1);
            break;
        case SliderSingleStepSub:
        case SliderPageStepSub:
            setSliderPosition(value() + 1);
            break;
        default:
            break;
        }
    });
}

void DateScroll::wheelEvent(QWheelEvent* event) {
    // The bar counts upwards, against the way a scroll bar follows the wheel.
    QWheelEvent turned(event->position(), event->globalPosition(), -event->pixelDelta(),
                       -event->angleDelta(), event->buttons(), event->modifiers(), event->phase(),
                       event->inverted(), event->source(), event->pointingDevice());
    QScrollBar::wheelEvent(&turned);
    event->setAccepted(turned.isAccepted());
}

void fitDayToMonth(DateScroll& day, int length) {
    if (day.value() > length) {
        day.setValue(length);
    }
    day.setMaximum(length);
}

} // namespace biorhythms
