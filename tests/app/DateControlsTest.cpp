// Every date control of the program offers the days a date value holds, 1 January 100 to
// 31 December 9999, or the narrower range its window keeps on purpose (Another Day from the
// calendar reform of 15 October 1582, the Biorhythms window 1900 to 2100): the user's typing,
// arrows and keys reach either end of it and go no further.
#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "support/DateInput.h"
#include "support/FakeClock.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// More presses than any way to an end of a range takes: Page Up steps ten years in a date edit.
constexpr int kPresses = 1000;

forms::Forms& windows() {
    return forms::Forms::instance();
}

bool click(QWidget* window, const char* button) {
    auto* found = window ? window->findChild<QPushButton*>(QString::fromLatin1(button)) : nullptr;
    if (found) {
        QTest::mouseClick(found, Qt::LeftButton);
    }
    return found != nullptr;
}

// Each window brought up as the user brings up its date control.
QWidget* anotherDay() {
    return windows().load(shell::kFrmCalendar);
}
QWidget* oracle() {
    QWidget* window = windows().load(shell::kFrmoracle);
    return click(window, "XPButton1") ? window : nullptr;
}
QWidget* biorhythms() {
    return windows().load(shell::kFrmBio);
}
QWidget* profileEditor() {
    if (!click(biorhythms(), "XPButtonEdit")) {
        return nullptr;
    }
    QWidget* list = windows().find(shell::kFrmProfiles);
    auto* lines = list ? list->findChild<QListWidget*>(QStringLiteral("ListProfiles")) : nullptr;
    if (!lines || lines->count() == 0) {
        return nullptr;
    }
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(0)).center());
    return click(list, "CmdMod") ? windows().find(QStringLiteral("FormMod")) : nullptr;
}

struct DateControl {
    const char* window;
    const char* control;
    QDate first;
    QDate last;
    QWidget* (*open)();
};

const QDate kFirstDay(100, 1, 1);
const QDate kLastDay(9999, 12, 31);
const DateControl kDateControls[] = {
    {"FrmCalendar", "Calendar1", QDate(1582, 10, 15), kLastDay, anotherDay},
    {"Frmoracle", "MonthView1", kFirstDay, kLastDay, oracle},
    {"frmBio", "DTPicker1", QDate(1900, 1, 1), QDate(2100, 12, 31), biorhythms},
    {"FormMod", "DTPicker1", kFirstDay, kLastDay, profileEditor},
};

class DateControls : public testing::TestWithParam<DateControl> {
protected:
    void SetUp() override {
        qputenv("TMPDIR", systemTemp.path().toLocal8Bit());
        shell::resetShellState();
        biorhythms::resetBioState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript(
            [](const runtime::DialogCall&, QString&) { return runtime::vbOK; });
        app::registerWindows();
        folder.write("opciones.ini", "[opciones]\r\nSoundAmbient=nop\r\n");
        folder.write("bio.dat", "5,3,1980\r\n");
        folder.write("horabio.dat", "7,5\r\n");
        folder.write("biofinal.dat", "0,0,0\r\n");
        folder.write("perfiles.txt", "Ana,March/5/1980,7:05\r\n");
    }
    void TearDown() override {
        windows().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
        qunsetenv("TMPDIR");
    }

    QTemporaryDir systemTemp;
    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeMusicPlayer music;
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
};

// A year beyond the end typed into the calendar leaves it within the range; then the year of
// the end and the keys toward it: the day the keys stop on.
QDate pushCalendar(QCalendarWidget* calendar, const DateControl& c, bool back) {
    const int beyond = back ? c.first.year() - 1 : c.last.year() + 1;
    EXPECT_TRUE(testing_support::typeYear(calendar, QString::number(beyond)));
    EXPECT_GE(calendar->yearShown(), c.first.year()) << beyond;
    EXPECT_LE(calendar->yearShown(), c.last.year()) << beyond;
    const QDate end = back ? c.first : c.last;
    EXPECT_TRUE(testing_support::typeYear(calendar, QString::number(end.year())));
    EXPECT_TRUE(testing_support::pressCalendarKeys(calendar, back, kPresses / 10));
    return calendar->selectedDate();
}

QDate pushDateEdit(QDateEdit* edit, bool back) {
    EXPECT_TRUE(testing_support::stepEveryPart(edit, back, kPresses));
    return edit->date();
}

} // namespace

TEST_P(DateControls, TheUsersInputStopsAtTheEndsOfTheRange) {
    const DateControl& c = GetParam();
    for (const bool back : {true, false}) {
        QWidget* window = c.open();
        ASSERT_NE(window, nullptr) << c.window;
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        ASSERT_TRUE(control->isVisible()) << c.control;
        if (auto* calendar = qobject_cast<QCalendarWidget*>(control)) {
            EXPECT_EQ(pushCalendar(calendar, c, back), back ? c.first : c.last);
        } else {
            auto* edit = qobject_cast<QDateEdit*>(control);
            ASSERT_NE(edit, nullptr) << c.control;
            EXPECT_EQ(pushDateEdit(edit, back), back ? c.first : c.last);
        }
        windows().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, DateControls, testing::ValuesIn(kDateControls),
                         [](const testing::TestParamInfo<DateControl>& param) {
                             return std::string(param.param.window) + "_" + param.param.control;
                         });
