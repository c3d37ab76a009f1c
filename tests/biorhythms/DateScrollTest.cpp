#include "biorhythms/DateScroll.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <gtest/gtest.h>

using biorhythms::DateScroll;

TEST(DateScroll, LeapYearsFollowTheGregorianRule) {
    const std::pair<int, bool> cases[] = {{1900, false}, {1904, true}, {2000, true},
                                          {2001, false}, {2004, true}, {2100, false}};
    for (const auto& [year, leap] : cases) {
        EXPECT_EQ(biorhythms::isLeapYear(year), leap) << year;
    }
}

TEST(DateScroll, MonthLengthsComeFromTheTableWithALongerLeapFebruary) {
    const biorhythms::MonthTable lengths = biorhythms::monthLengths();
    const std::tuple<int, int, int> cases[] = {{1, 2001, 31}, {2, 2001, 28}, {2, 2000, 29},
                                               {2, 1900, 28}, {4, 2004, 30}, {12, 2100, 31}};
    for (const auto& [month, year, days] : cases) {
        EXPECT_EQ(biorhythms::monthLength(lengths, month, year), days) << month << "/" << year;
    }
    EXPECT_EQ(biorhythms::monthNames()[1], "January");
    EXPECT_EQ(biorhythms::monthNames()[12], "December");
}

TEST(DateScroll, FittingTheDayClampsItBeforeTheRangeShrinks) {
    DateScroll day;
    day.setRange(1, 31);
    day.setValue(31);
    int changes = 0;
    QObject::connect(&day, &QScrollBar::valueChanged, [&changes] { ++changes; });
    biorhythms::fitDayToMonth(day, 28);
    EXPECT_EQ(day.value(), 28);
    EXPECT_EQ(day.top(), 28);
    EXPECT_EQ(changes, 1) << "the day's change runs once";
    biorhythms::fitDayToMonth(day, 31);
    EXPECT_EQ(day.value(), 28);
    EXPECT_EQ(day.top(), 31);
    EXPECT_EQ(changes, 1);
}

// The largest value is at the top: the upper arrow and a click above the handle raise it.
TEST(DateScroll, UpperEndRaisesTheValueAndLowerEndLowersIt) {
    DateScroll bar;
    bar.setRange(1, 12);
    bar.setValue(6);
    bar.resize(18, 120);
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.upsideDown = true;
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    const QRect handle = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, &bar);
    const auto click = [&bar](QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, bar.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &press);
        QCoreApplication::sendEvent(&bar, &release);
        return bar.value();
    };
    const std::pair<QPoint, int> cases[] = {
        {QPoint(9, 3), 7},                                   // upper arrow
        {QPoint(9, 116), 6},                                 // lower arrow
        {QPoint(9, (handle.top() + 16) / 2), 7},             // above the handle
        {QPoint(9, (handle.bottom() + 120 - 16) / 2 + 2), 6} // below it
    };
    for (const auto& [at, value] : cases) {
        EXPECT_EQ(click(at), value) << at.y();
    }
}

// The wheel agrees with the arrows: turned up it raises the value, down it lowers it.
TEST(DateScroll, TheWheelUpRaisesTheValueAsTheUpperArrowDoes) {
    DateScroll bar;
    bar.setRange(1, 31);
    bar.setValue(10);
    bar.resize(18, 120);
    const auto turn = [&bar](int notches) {
        const QPointF at(9, 60);
        QWheelEvent wheel(at, bar.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&bar, &wheel);
        return bar.value();
    };
    EXPECT_EQ(turn(1), 11);
    EXPECT_EQ(turn(1), 12);
    EXPECT_EQ(turn(-1), 11);
    bar.setValue(31);
    EXPECT_EQ(turn(1), 31) << "the top stays the top";
}
