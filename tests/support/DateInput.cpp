#include "support/DateInput.h"

#include "support/WindowFixtures.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace testing_support {
namespace {

bool activate(QWidget* control) {
    control->window()->activateWindow();
    return QTest::qWaitForWindowActive(control->window());
}

} // namespace

bool typeYear(QCalendarWidget* calendar, const QString& year) {
    auto* button = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
    auto* editor = calendar->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit"));
    if (button == nullptr || editor == nullptr || !activate(calendar)) {
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    if (QApplication::focusWidget() != editor) {
        return false;
    }
    QTest::keyClicks(QApplication::focusWidget(), year);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return true;
}

QRect dayCell(QCalendarWidget* calendar, int day, int month) {
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (view == nullptr) {
        return {};
    }
    const QAbstractItemModel* days = view->model();
    int monthOfCell = -1; // the shown month starts with the first 1, the next with the second
    for (int row = 0; row < days->rowCount(); ++row) {
        for (int column = 0; column < days->columnCount(); ++column) {
            const QModelIndex cell = days->index(row, column);
            const int number = cell.data().toInt();
            if (number == 0) {
                continue; // the weekday names
            }
            if (number == 1) {
                ++monthOfCell;
            }
            if (monthOfCell == month && number == day) {
                return view->visualRect(cell).translated(
                    view->viewport()->mapTo(calendar, QPoint()));
            }
        }
    }
    return {};
}

bool clickDay(QCalendarWidget* calendar, int day) {
    const QRect cell = dayCell(calendar, day);
    if (cell.isEmpty()) {
        return false;
    }
    QWidget* target = calendar->childAt(cell.center());
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                      target->mapFrom(calendar, cell.center()));
    return true;
}

bool clickMonthArrow(QCalendarWidget* calendar, const char* arrow, int times) {
    auto* button = calendar->findChild<QToolButton*>(QString::fromLatin1(arrow));
    if (button == nullptr) {
        return false;
    }
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    return true;
}

bool pressCalendarKeys(QCalendarWidget* calendar, bool back, int times) {
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (view == nullptr || !activate(calendar)) {
        return false;
    }
    if (QApplication::focusWidget() != view && !tabInto(view)) {
        return false;
    }
    const Qt::Key keys[] = {back ? Qt::Key_Left : Qt::Key_Right, back ? Qt::Key_Up : Qt::Key_Down,
                            back ? Qt::Key_PageUp : Qt::Key_PageDown};
    for (const Qt::Key key : keys) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(view, key);
        }
    }
    return true;
}

bool stepEveryPart(QDateEdit* edit, bool down, int times) {
    if (!activate(edit)) {
        return false;
    }
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit->height() / 2));
    if (QApplication::focusWidget() != edit) {
        return false;
    }
    QTest::keyClick(edit, Qt::Key_Home);
    for (int part = 0; part < edit->sectionCount(); ++part) {
        for (const Qt::Key key :
             {down ? Qt::Key_PageDown : Qt::Key_PageUp, down ? Qt::Key_Down : Qt::Key_Up}) {
            for (int i = 0; i < times; ++i) {
                QTest::keyClick(edit, key);
            }
        }
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    return true;
}

} // namespace testing_support
