#include "biorhythms/frmBio.h"

#include "app/Windows.h"
#include "biorhythms/BioChart.h"
#include "biorhythms/DateScroll.h"
#include "biorhythms/FrmProfiles.h"
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/BioStudyDate.h"
#include "shell/Notif.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include <gtest/gtest.h>

using biorhythms::BioChart;
using biorhythms::DateScroll;
using biorhythms::frmBio;
using runtime::makeDate;
using runtime::makeDateTime;

using testing_support::TargetWindow;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QColor kAboveZero(150, 250, 100);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

struct Ymd {
    int year;
    int month;
    int day;
};

} // namespace

class frmBioTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        shell::Notif::setSlideDuration(0);
        shell::setProgramEnd([this] { ended = true; });
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            return runtime::vbOK;
        });
        app::registerWindows();
        birth("15,6,1980", "7,5");
        folder.write("biofinal.dat", "0,0,0\r\n");
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        shell::setProgramEnd(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    void birth(const QByteArray& date, const QByteArray& time) {
        folder.write("bio.dat", date + "\r\n");
        folder.write("horabio.dat", time + "\r\n");
        // As the background window has read it at the program's start.
        biorhythms::readBirthDate();
    }
    // The arrows' timer runs as in the program, but its ticks come from the test (tick): a slow
    // run lets 100 ms pass in any wait for the window.
    frmBio& open() {
        auto& w = *static_cast<frmBio*>(forms::Forms::instance().load(frmBio::kName));
        QObject::disconnect(w.TimerButton, &QTimer::timeout, &w, nullptr);
        return w;
    }
    template <class T = QLabel> static T* control(frmBio& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(frmBio& w, const char* name) { return control(w, name)->text(); }
    static DateScroll* bar(frmBio& w, const char* name) { return control<DateScroll>(w, name); }
    static QColor colour(frmBio& w, const char* name) {
        return control(w, name)->palette().color(QPalette::WindowText);
    }
    static Ymd study(frmBio& w) {
        return {bar(w, "vsbYearBio")->value(), bar(w, "vsbMonthBio")->value(),
                bar(w, "vsbDayBio")->value()};
    }
    static void setStudy(frmBio& w, Ymd date) {
        control<QDateEdit>(w, "DTPicker1")->setDate(QDate(date.year, date.month, date.day));
        w.CmdGo_Click();
    }
    static runtime::DateValue studyDate(frmBio& w) {
        const Ymd now = study(w);
        return makeDate(now.year, now.month, now.day);
    }
    // The window in front of the user, active.
    frmBio& openInFront() {
        frmBio& w = open();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    // Mouse events reach the window as the system delivers them, so that Qt itself routes them:
    // a press grabs the mouse for the control under it, an open popup takes what follows, and
    // QGuiApplication knows the buttons held.
    static QPoint centreOf(frmBio& w, const char* name) {
        const QWidget* target = control<QWidget>(w, name);
        return target->mapTo(&w, target->rect().center());
    }
    static void press(frmBio& w, const char* name, Qt::MouseButton button) {
        QTest::mousePress(w.windowHandle(), button, {}, centreOf(w, name));
    }
    static void release(frmBio& w, const char* name, Qt::MouseButton button) {
        QTest::mouseRelease(w.windowHandle(), button, {}, centreOf(w, name));
    }
    // The user clicks the lower arrow of a date bar, which lowers its value (by one, or more
    // where a slow run lets the bar's own repeat in).
    static void clickLowerArrow(frmBio& w, const char* name) {
        auto* scroll = control<DateScroll>(w, name);
        QStyleOptionSlider option;
        option.initFrom(scroll);
        option.orientation = scroll->orientation();
        option.minimum = scroll->minimum();
        option.maximum = scroll->maximum();
        option.sliderPosition = option.sliderValue = scroll->value();
        option.singleStep = scroll->singleStep();
        option.pageStep = scroll->pageStep();
        const QRect arrow = scroll->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                            QStyle::SC_ScrollBarAddLine, scroll);
        const QPoint at = scroll->mapTo(&w, arrow.center());
        QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, at);
    }
    // One timeout of the arrows' timer, as it comes while the timer runs; false when it does not.
    static bool tick(frmBio& w) {
        if (!w.TimerButton->isActive()) {
            return false;
        }
        w.TimerButton_Timer();
        return true;
    }
    static bool menuOpen(frmBio& w) {
        return QApplication::activePopupWidget() != nullptr || w.MnuGo->isVisible();
    }
    // The window is still the one loaded: a release that a menu took could have switched away.
    static bool stillThere(const QPointer<frmBio>& w) {
        return w && forms::Forms::instance().find(frmBio::kName) == w;
    }
    static bool holding(frmBio& w) {
        return w.izquierdaPulsada || w.derechaPulsada || w.TimerButton->isActive();
    }
    std::map<QString, QByteArray> birthFiles() const {
        std::map<QString, QByteArray> files;
        for (const char* name : {"bio.dat", "horabio.dat", "biofinal.dat"}) {
            files[QString::fromLatin1(name)] = folder.read(QString::fromLatin1(name));
        }
        return files;
    }
    // The user takes the item under the shown one with the arrow key.
    static void chooseNextByKeys(QComboBox* list) {
        ASSERT_TRUE(testing_support::tabInto(list));
        QTest::keyClick(list, Qt::Key_Down);
    }
    // The user opens the list with a click, moves to the next item and takes it with Enter.
    static void chooseNextInPopup(QComboBox* list) {
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView* items = list->view();
        ASSERT_TRUE(items->isVisible());
        QTest::keyClick(items, Qt::Key_Down);
        QTest::keyClick(items, Qt::Key_Return);
    }
    int played(const QString& sound) const {
        return static_cast<int>(std::count_if(sound_.played.begin(), sound_.played.end(),
                                              [&](const QString& p) { return p.endsWith(sound); }));
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound_;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 18, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    bool ended = false;
};

TEST_F(frmBioTest, LoadShowsTheBirthDataAndPinsTheStudyDateToToday) {
    frmBio& w = open();
    EXPECT_EQ(w.windowTitle(), "Biorhythms");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(tray.iconCount(), 1);
    EXPECT_EQ(text(w, "lblDayBirth"), "15");
    EXPECT_EQ(text(w, "lblMonthBirth"), "June");
    EXPECT_EQ(text(w, "lblYearBirth"), "1980");
    EXPECT_EQ(text(w, "lblDayBio"), "24");
    EXPECT_EQ(text(w, "lblMonthBio"), "July");
    EXPECT_EQ(text(w, "lblYearBio"), "2016");
    EXPECT_EQ(text(w, "LabelHoraBirth"), "Time: 7:05");
    EXPECT_EQ(text(w, "LabelHora"), "7");
    EXPECT_EQ(text(w, "LabelMinuto"), "5");
    EXPECT_EQ(text(w, "LblRest"), "0");
    EXPECT_EQ(w.fechaFinalTxt, "24/7/2016");
    EXPECT_EQ(text(w, "LabelGetTime"), "Time: 6:00:00 PM");
    EXPECT_FALSE(shell::shellState().cargandoForm);
    EXPECT_TRUE(folder.exists("perfiles.txt")) << "an empty profiles file is created";
    EXPECT_TRUE(control<QComboBox>(w, "ComboProfiles")->isHidden());

    const biorhythms::BioState& b = biorhythms::bioState();
    const biorhythms::DayCount count =
        biorhythms::dayCount(makeDate(1980, 6, 15), 7, 5, makeDate(2016, 7, 24), clock.now());
    EXPECT_EQ(b.diasVividos, count.diasVividos);
    EXPECT_EQ(text(w, "lblDays"), runtime::formatNumber(count.diasVividos, "0.00"));
    const biorhythms::CycleValues values = biorhythms::cycleValues(count.diasVividos);
    EXPECT_EQ(b.bioFisico, values[0]);
    EXPECT_EQ(b.bioIntuicion, values[3]);
    EXPECT_EQ(text(w, "LabelFis"), "(" + runtime::formatNumber(values[0] * 100.0, "0.00") + " %)");
    EXPECT_EQ(text(w, "LabelMedia"), b.bioMedia + "% " + b.bioMediaTexto);
}

TEST_F(frmBioTest, BirthTimeCaptionPadsTheMinuteOnly) {
    const std::tuple<int, int, const char*> cases[] = {
        {0, 0, "Time: 0:00"},    {7, 5, "Time: 7:05"},    {9, 9, "Time: 9:09"},
        {10, 10, "Time: 10:10"}, {12, 30, "Time: 12:30"}, {23, 59, "Time: 23:59"}};
    for (const auto& [hour, minute, caption] : cases) {
        EXPECT_EQ(biorhythms::birthTimeCaption(hour, minute), caption);
    }
}

TEST_F(frmBioTest, AZeroDayShowsZeroValuesInTheirColoursWithRisingTrends) {
    birth("24,7,2016", "0,0");
    clock.set(makeDateTime({2016, 7, 24, 0, 0, 0}));
    frmBio& w = open();
    const biorhythms::BioState& b = biorhythms::bioState();
    EXPECT_EQ(b.diasVida, -1);
    EXPECT_EQ(b.minutosNacRest, 1440);
    EXPECT_EQ(b.diasVividos, 0.0F);
    EXPECT_EQ(b.bioMedia, "0.00");
    EXPECT_EQ(colour(w, "LabelMedia"), kGreen);
    for (const char* label : {"LabelFis", "LabelEmo", "LabelInte", "LabelInt"}) {
        EXPECT_EQ(text(w, label), "(0.00 %)") << label;
        EXPECT_EQ(colour(w, label), kAboveZero) << label;
    }
    for (const char* up : {"Fisascmini", "Emoascmini", "Inteascmini", "Intuascmini"}) {
        EXPECT_FALSE(control(w, up)->isHidden()) << up;
        EXPECT_EQ(control(w, up)->toolTip(), "Upward trend");
    }
    for (const char* down : {"Fisdescmini", "Emodescmini", "Intedescmini", "Intudescmini"}) {
        EXPECT_TRUE(control(w, down)->isHidden()) << down;
    }
}

TEST_F(frmBioTest, NegativeValuesAreRedAndDrawnBelowTheZeroLine) {
    frmBio& w = open();
    // Find a study date whose physical value is clearly negative and one where it is positive.
    for (int offset = 0; offset < 23; ++offset) {
        setStudy(w, {2016, 8, 1 + offset});
        const runtime::Single physical = biorhythms::bioState().bioFisico;
        if (std::abs(physical) < 0.5F) {
            continue;
        }
        EXPECT_EQ(colour(w, "LabelFis"), physical < 0 ? kRed : kAboveZero);
        const QImage bars = control(w, "PicBio")->pixmap().toImage();
        ASSERT_FALSE(bars.isNull());
        const int x = static_cast<int>(1.5 / 12.0 * bars.width());
        const int above = bars.height() / 4;
        const int below = bars.height() * 3 / 4;
        EXPECT_EQ(bars.pixelColor(x, physical > 0 ? above : below), kGreen) << offset;
        EXPECT_NE(bars.pixelColor(x, physical > 0 ? below : above), kGreen) << offset;
    }
}

TEST_F(frmBioTest, MonthChangesFitTheDayToTheMonthLength) {
    struct Case {
        int year;
        int month;
        int day;
        int newMonth;
        int day2;
        int top;
    };
    const Case cases[] = {
        {2001, 1, 31, 2, 28, 28}, {2000, 1, 31, 2, 29, 29}, {1900, 1, 31, 2, 28, 28},
        {2100, 1, 31, 2, 28, 28}, {2004, 3, 31, 4, 30, 30}, {2004, 1, 15, 2, 15, 29},
    };
    frmBio& w = open();
    for (const Case& c : cases) {
        setStudy(w, {c.year, c.month, c.day});
        bar(w, "vsbMonthBio")->setValue(c.newMonth);
        EXPECT_EQ(bar(w, "vsbDayBio")->value(), c.day2) << c.year << "/" << c.month;
        EXPECT_EQ(bar(w, "vsbDayBio")->top(), c.top) << c.year << "/" << c.month;
        EXPECT_EQ(text(w, "lblDayBio"), QString::number(c.day2));
    }
    // The same rule on the birth bars, through the year: 29 February 2000 to 1900.
    bar(w, "vsbYearBirth")->setValue(2000);
    bar(w, "vsbMonthBirth")->setValue(2);
    bar(w, "vsbDayBirth")->setValue(29);
    EXPECT_EQ(bar(w, "vsbDayBirth")->value(), 29);
    bar(w, "vsbYearBirth")->setValue(1900);
    EXPECT_EQ(bar(w, "vsbDayBirth")->value(), 28);
    EXPECT_EQ(bar(w, "vsbDayBirth")->top(), 28);
}

TEST_F(frmBioTest, HoldingAnArrowStepsTheStudyDateOneDayATick) {
    struct Case {
        Ymd from;
        bool forward;
        std::vector<Ymd> steps;
    };
    const Case cases[] = {
        {{2016, 1, 30}, true, {{2016, 1, 31}, {2016, 2, 1}, {2016, 2, 2}}},
        {{2001, 3, 1}, false, {{2001, 2, 28}}},
        {{2004, 3, 1}, false, {{2004, 2, 29}}},
        {{2001, 1, 1}, false, {{2000, 12, 31}, {2000, 12, 30}}},
        {{2000, 12, 31}, true, {{2001, 1, 1}}},
        {{1900, 1, 1}, false, {{1900, 1, 1}}},
        {{2100, 12, 31}, true, {{2100, 12, 31}}},
    };
    frmBio& w = openInFront();
    for (const Case& c : cases) {
        setStudy(w, c.from);
        const char* arrow = c.forward ? "CmdArrowRight" : "CmdArrowLeft";
        press(w, arrow, Qt::LeftButton);
        EXPECT_TRUE(w.TimerButton->isActive());
        EXPECT_EQ(w.TimerButton->interval(), frmBio::kButtonTickMs);
        for (const Ymd& step : c.steps) {
            EXPECT_TRUE(tick(w));
            const Ymd now = study(w);
            EXPECT_EQ(std::tie(now.year, now.month, now.day),
                      std::tie(step.year, step.month, step.day))
                << c.from.year << "/" << c.from.month << "/" << c.from.day;
        }
        release(w, arrow, Qt::LeftButton);
        EXPECT_FALSE(w.TimerButton->isActive());
        EXPECT_TRUE(biorhythms::bioState().fechaBioFijada);
        EXPECT_FALSE(w.pasarMes || w.pasarAnio);
    }
}

TEST_F(frmBioTest, OnlyTheLeftButtonHoldsAnArrowButAnyReleaseStopsIt) {
    frmBio& w = openInFront();
    press(w, "CmdArrowLeft", Qt::RightButton);
    EXPECT_FALSE(w.izquierdaPulsada);
    EXPECT_FALSE(w.TimerButton->isActive());
    release(w, "CmdArrowLeft", Qt::RightButton);
    press(w, "CmdArrowLeft", Qt::LeftButton);
    press(w, "CmdArrowLeft", Qt::RightButton);
    release(w, "CmdArrowLeft", Qt::RightButton);
    EXPECT_FALSE(w.izquierdaPulsada);
    EXPECT_FALSE(w.TimerButton->isActive());
    release(w, "CmdArrowLeft", Qt::LeftButton);
    const Ymd now = study(w);
    EXPECT_EQ(std::tie(now.year, now.month, now.day), std::make_tuple(2016, 7, 24))
        << "a click shorter than one tick moves nothing";
}

// The right button pressed and let go while the left one holds an arrow: the date moves while
// the hold lasts, that is until the first release, and the window's menu stays shut.
TEST_F(frmBioTest, ARightPressDuringAHoldOpensNoMenuAndTheFirstReleaseEndsTheHold) {
    const std::pair<const char*, int> arrows[] = {{"CmdArrowLeft", -1}, {"CmdArrowRight", 1}};
    frmBio& w = openInFront();
    const QPointer<frmBio> window(&w);
    for (const auto& [arrow, direction] : arrows) {
        setStudy(w, {2016, 7, 24});
        const runtime::DateValue from = studyDate(w);
        int steps = 0;
        press(w, arrow, Qt::LeftButton);
        steps += tick(w) ? 1 : 0;
        steps += tick(w) ? 1 : 0;
        press(w, arrow, Qt::RightButton);
        EXPECT_FALSE(menuOpen(w)) << arrow;
        steps += tick(w) ? 1 : 0;
        release(w, arrow, Qt::RightButton);
        ASSERT_TRUE(stillThere(window)) << arrow;
        EXPECT_FALSE(holding(w)) << arrow;
        EXPECT_FALSE(tick(w)) << arrow;
        release(w, arrow, Qt::LeftButton);
        ASSERT_TRUE(stillThere(window)) << arrow;
        EXPECT_FALSE(tick(w)) << arrow;
        EXPECT_FALSE(menuOpen(w)) << arrow;
        EXPECT_EQ(steps, 3) << arrow;
        EXPECT_EQ(studyDate(w), runtime::addDays(from, direction * steps)) << arrow;
    }
    // The other arrow works at once.
    setStudy(w, {2016, 7, 24});
    press(w, "CmdArrowRight", Qt::LeftButton);
    EXPECT_TRUE(tick(w));
    release(w, "CmdArrowRight", Qt::LeftButton);
    EXPECT_EQ(studyDate(w), makeDate(2016, 7, 25));
    EXPECT_FALSE(holding(w));
}

TEST_F(frmBioTest, ARightClickOnAnArrowDoesNothingButOnTheWindowOpensItsMenu) {
    frmBio& w = openInFront();
    const QPointer<frmBio> window(&w);
    setStudy(w, {2016, 8, 3});
    for (const char* arrow : {"CmdArrowLeft", "CmdArrowRight"}) {
        press(w, arrow, Qt::RightButton);
        release(w, arrow, Qt::RightButton);
        ASSERT_TRUE(stillThere(window)) << arrow;
        EXPECT_FALSE(menuOpen(w)) << arrow;
        EXPECT_FALSE(holding(w)) << arrow;
        EXPECT_EQ(studyDate(w), makeDate(2016, 8, 3)) << arrow;
    }
    const QPoint beside(3, 3); // the window itself, clear of its controls
    ASSERT_EQ(w.childAt(beside), nullptr);
    QTest::mousePress(w.windowHandle(), Qt::RightButton, {}, beside);
    EXPECT_EQ(QApplication::activePopupWidget(), w.MnuGo);
    w.MnuGo->close();
    QTest::mouseRelease(w.windowHandle(), Qt::RightButton, {}, beside);
}

// Whatever takes the release away from the arrow, or leaves no button down, ends the hold: no
// step runs after it, and the next hold steps again.
TEST_F(frmBioTest, AHoldEndsWhenItsReleaseCannotReachTheArrow) {
    struct Case {
        const char* what;
        std::function<void(frmBio&, QWidget& other)> interrupt;
        std::function<void(frmBio&, QWidget& other)> recover;
    };
    const auto letGo = [](frmBio& w, QWidget&) { release(w, "CmdArrowLeft", Qt::LeftButton); };
    const auto bringBack = [](frmBio& w, QWidget&) {
        w.Show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        release(w, "CmdArrowLeft", Qt::LeftButton);
    };
    const Case cases[] = {
        {"a popup opens", [](frmBio& w, QWidget&) { w.MnuGo->popup(w.mapToGlobal(QPoint(3, 3))); },
         [](frmBio& w, QWidget&) {
             w.MnuGo->close();
             release(w, "CmdArrowLeft", Qt::LeftButton);
         }},
        {"another widget grabs the mouse",
         [](frmBio& w, QWidget&) { control<QPushButton>(w, "CmdHoy")->grabMouse(); },
         [](frmBio& w, QWidget&) {
             control<QPushButton>(w, "CmdHoy")->releaseMouse();
             release(w, "CmdArrowLeft", Qt::LeftButton);
         }},
        {"the release reaches another window",
         [](frmBio&, QWidget& other) {
             QTest::mouseRelease(other.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
         },
         [](frmBio&, QWidget&) {}},
        {"another window becomes active",
         [](frmBio&, QWidget& other) {
             other.activateWindow();
             EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
         },
         bringBack},
        {"the window is hidden", [](frmBio& w, QWidget&) { w.close(); }, bringBack},
    };
    QWidget other;
    other.resize(40, 40);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    frmBio& w = open();
    for (const Case& c : cases) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w)) << c.what;
        setStudy(w, {2016, 7, 24});
        press(w, "CmdArrowLeft", Qt::LeftButton);
        ASSERT_TRUE(tick(w)) << c.what;
        c.interrupt(w, other);
        tick(w);
        EXPECT_FALSE(holding(w)) << c.what;
        EXPECT_FALSE(tick(w)) << c.what;
        EXPECT_EQ(studyDate(w), makeDate(2016, 7, 23)) << c.what;
        c.recover(w, other);
        press(w, "CmdArrowLeft", Qt::LeftButton);
        EXPECT_TRUE(tick(w)) << c.what;
        letGo(w, other);
        EXPECT_EQ(studyDate(w), makeDate(2016, 7, 22)) << c.what;
    }
}

TEST_F(frmBioTest, BirthChangesAndTheHalfHourBringTheStudyDateBackToToday) {
    frmBio& w = open();
    setStudy(w, {2016, 8, 3});
    bar(w, "vsbDayBirth")->setValue(16);
    Ymd now = study(w);
    EXPECT_EQ(std::tie(now.month, now.day), std::make_tuple(7, 24));
    EXPECT_TRUE(biorhythms::bioState().fechaBioFijada);

    setStudy(w, {2016, 8, 3});
    w.CmdHoy_Click();
    now = study(w);
    EXPECT_EQ(std::tie(now.month, now.day), std::make_tuple(7, 24));

    setStudy(w, {2016, 8, 3});
    EXPECT_EQ(w.TimerBio->interval(), frmBio::kBioTickMs);
    for (int tick = 1; tick < frmBio::kTicksPerReanchor; ++tick) {
        w.TimerBio_Timer();
    }
    now = study(w);
    EXPECT_EQ(now.day, 3) << "59 ticks keep the pinned date";
    w.TimerBio_Timer();
    now = study(w);
    EXPECT_EQ(std::tie(now.month, now.day), std::make_tuple(7, 24));
    EXPECT_EQ(biorhythms::bioState().contadorTimerBio, 0);
}

// From a common year, a month set before the year would cut the day to 28.
TEST_F(frmBioTest, TodayOnA29FebruaryLandsOnIt) {
    clock.setDateTime(2024, 2, 29, 18, 0, 0);
    const std::pair<const char*, std::function<void(frmBio&)>> ways[] = {
        {"Today", [](frmBio& w) { control<QPushButton>(w, "CmdHoy")->click(); }},
        {"half hour",
         [](frmBio& w) {
             for (int tick = 0; tick < frmBio::kTicksPerReanchor; ++tick) {
                 w.TimerBio_Timer();
             }
         }},
        {"birth change", [](frmBio& w) { bar(w, "vsbDayBirth")->setValue(16); }},
    };
    frmBio& w = open();
    for (const auto& [way, reanchor] : ways) {
        setStudy(w, {2023, 3, 15});
        ASSERT_EQ(study(w).year, 2023);
        reanchor(w);
        const Ymd now = study(w);
        EXPECT_EQ(std::tie(now.year, now.month, now.day), std::make_tuple(2024, 2, 29)) << way;
        EXPECT_EQ(text(w, "lblDayBio"), "29") << way;
        EXPECT_EQ(bar(w, "vsbDayBio")->top(), 29) << way;
        EXPECT_EQ(biorhythms::bioState().fechaEstudioTxt, "29/2/2024") << way;
    }
}

TEST_F(frmBioTest, RemainingDaysCountFromTodayInThePickerAndFromTheStudyDateAfterwards) {
    frmBio& w = open();
    setStudy(w, {2016, 7, 27});
    control<QDateEdit>(w, "DTPicker1")->setDate(QDate(2016, 8, 3));
    EXPECT_EQ(text(w, "LblRest"), "10");
    EXPECT_EQ(w.fechaFinalTxt, "3/8/2016");
    w.CalcularBio();
    EXPECT_EQ(text(w, "LblRest"), "7");
}

TEST_F(frmBioTest, ChartHoldsThirtyDaysAroundTheStudyDate) {
    frmBio& w = open();
    setStudy(w, {2016, 8, 1});
    const BioChart& chart = *control<BioChart>(w, "MSChart1");
    EXPECT_EQ(chart.rowCount(), 30);
    EXPECT_EQ(chart.columnCount(), 4);
    EXPECT_EQ(chart.chartType(), BioChart::kLine2d);
    for (int row = 1; row <= 14; ++row) {
        EXPECT_EQ(chart.rowLabel(row), QString::number(17 + row)) << row;
    }
    EXPECT_EQ(chart.rowLabel(15), "1");
    EXPECT_EQ(chart.rowLabel(30), "16");
    const biorhythms::BioState& b = biorhythms::bioState();
    EXPECT_EQ(chart.data(15, 1), b.bioFisico);
    EXPECT_EQ(chart.data(15, 2), b.bioEmocional);
    EXPECT_EQ(chart.data(15, 3), b.bioIntelectual);
    EXPECT_EQ(chart.data(15, 4), b.bioIntuicion);
    EXPECT_FLOAT_EQ(chart.data(16, 1), std::sin((b.diasVividos + 1.0) * 6.28318 / 23));
    const char* legends[] = {"Physical", "Emotional", "Intellectual", "Intuition"};
    for (int series = 1; series <= 4; ++series) {
        EXPECT_EQ(chart.seriesLegendText(series), legends[series - 1]);
    }
    EXPECT_TRUE(chart.legendVisible());
    EXPECT_EQ(chart.legendLocationType(), BioChart::kLegendTopLeft);
    EXPECT_TRUE(control<QLineEdit>(w, "TextSecondProf")->isHidden());
}

// Every day of the chart reads under its point at the window's own size; the legend stands at
// the top left, clear of the lines.
TEST_F(frmBioTest, EveryDayLabelStandsApartUnderItsPoint) {
    frmBio& w = open();
    setStudy(w, {2026, 12, 10});
    BioChart& chart = *control<BioChart>(w, "MSChart1");
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
    QList<QGraphicsSimpleTextItem*> labels;
    for (QGraphicsItem* item : chart.scene()->items()) {
        if (auto* label = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) {
            labels.append(label);
        }
    }
    std::sort(labels.begin(), labels.end(), [](const auto* a, const auto* b) {
        return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
    });
    ASSERT_EQ(labels.size(), 30);
    ASSERT_FALSE(chart.chart()->series().isEmpty());
    QAbstractSeries* line = chart.chart()->series().first();
    const QRectF plot = chart.chart()->mapRectToScene(chart.chart()->plotArea());
    const QRect view = chart.viewport()->rect();
    QRect previous;
    for (int row = 1; row <= 30; ++row) {
        const QGraphicsSimpleTextItem* label = labels[row - 1];
        const QRect shown = chart.mapFromScene(label->sceneBoundingRect()).boundingRect();
        const double pointX = chart
                                  .mapFromScene(chart.chart()->mapToScene(
                                      chart.chart()->mapToPosition(QPointF(row - 1, 0.0), line)))
                                  .x();
        EXPECT_EQ(label->text(), chart.rowLabel(row)) << row;
        EXPECT_TRUE(label->isVisible()) << row;
        EXPECT_GE(label->font().pointSizeF(), 6.0) << row;
        EXPECT_TRUE(view.contains(shown)) << row;
        EXPECT_NEAR(shown.center().x(), pointX, 1.5) << row;
        EXPECT_GE(label->sceneBoundingRect().top(), plot.bottom()) << "under the plot " << row;
        if (row > 1) {
            EXPECT_LT(previous.right(), shown.left()) << "apart from the one before " << row;
        }
        previous = shown;
    }
    EXPECT_EQ(labels.first()->text(), "26");
    EXPECT_EQ(labels.last()->text(), "25");
    const QRectF legend = chart.chart()->mapRectToScene(chart.chart()->legend()->geometry());
    EXPECT_TRUE(chart.chart()->legend()->isVisible());
    EXPECT_LE(legend.bottom(), plot.top()) << "above the plot";
    EXPECT_LE(legend.left(), plot.left()) << "from the left";
}

// A profile list left behind this window comes to the front again on "Edit profiles".
TEST_F(frmBioTest, EditProfilesBringsTheOpenListToTheFront) {
    frmBio& w = open();
    auto* edit = control<QPushButton>(w, "XPButtonEdit");
    edit->click();
    auto* list = forms::Forms::instance().findForm<biorhythms::FrmProfiles>();
    ASSERT_NE(list, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), list);
    w.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &w);
    edit->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(forms::Forms::instance().findForm<biorhythms::FrmProfiles>(), list);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), list);
}

TEST_F(frmBioTest, SecondProfileIsDrawnWithTwoProfilesAndTheSettingOn) {
    struct Case {
        const char* profiles;
        const char* draw;
        int columns;
    };
    const Case cases[] = {
        {"Ana,June/15/1980,7:05\r\nBea,March/1/1990,12:00\r\n", "1", 8},
        {"Bea,March/1/1990,12:00\r\n", "1", 4},
        {"Ana,June/15/1980,7:05\r\nBea,March/1/1990,12:00\r\n", "0", 4},
    };
    for (const Case& c : cases) {
        folder.write("perfiles.txt", c.profiles);
        folder.write("opciones.ini", QByteArray("[opciones]\r\nDibujar secundario=") + c.draw +
                                         "\r\nNombre secundario=Bea\r\nPerfil-Bio=Bea\r\n");
        frmBio& w = open();
        const BioChart& chart = *control<BioChart>(w, "MSChart1");
        EXPECT_EQ(chart.columnCount(), c.columns) << c.profiles << c.draw;
        EXPECT_EQ(control<QComboBox>(w, "ComboProfiles")->currentText(), "Bea");
        EXPECT_EQ(control<QLineEdit>(w, "TextSecondProf")->isHidden(), c.columns == 4);
        if (c.columns == 8) {
            const biorhythms::BioState& b = biorhythms::bioState();
            EXPECT_EQ(b.fechaNac2, "1/3/1990");
            const biorhythms::DayCount second = biorhythms::dayCount(
                makeDate(1990, 3, 1), 12, 0, makeDate(2016, 7, 24), clock.now());
            EXPECT_EQ(b.diasVividos2, second.diasVividos);
            EXPECT_FLOAT_EQ(chart.data(15, 5), std::sin(second.diasVividos * 6.28318 / 23));
            EXPECT_EQ(chart.seriesPenWidth(5), 10);
            EXPECT_EQ(chart.seriesPenColor(6), QColor(255, 0, 0));
            EXPECT_EQ(chart.seriesLegendText(8), "Intuition2");
            EXPECT_EQ(chart.seriesPenStyle(7), BioChart::kPenSolid);
        }
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        biorhythms::resetBioState();
    }
}

TEST_F(frmBioTest, ChoosingAProfileSetsAndSavesTheBirthData) {
    folder.write("perfiles.txt", "Ana,June/15/1980,7:05\r\n\r\nLeap,Smarch/40/2000,x\r\n"
                                 "Leap,February/29/2000,6:30\r\n");
    frmBio& w = openInFront();
    auto* list = control<QComboBox>(w, "ComboProfiles");
    EXPECT_FALSE(list->isHidden());
    ASSERT_EQ(list->count(), 3) << "the empty line is skipped";
    EXPECT_EQ(list->currentText(), "Ana");
    chooseNextByKeys(list);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_TRUE(boxes.empty()) << "the last line of the name stands";
    EXPECT_EQ(bar(w, "vsbDayBirth")->value(), 29) << "the damaged line changes nothing";
    EXPECT_EQ(bar(w, "vsbMonthBirth")->value(), 2);
    EXPECT_EQ(bar(w, "vsbYearBirth")->value(), 2000);
    EXPECT_EQ(text(w, "LabelHoraBirth"), "Time: 6:30");
    EXPECT_EQ(folder.read("bio.dat"), "29,2,2000\r\n");
    EXPECT_EQ(folder.read("horabio.dat"), "6,30\r\n");
    EXPECT_EQ(folder.read("biofinal.dat"), "24,7,2016\r\n");
    EXPECT_TRUE(folder.read("opciones.ini").contains("Perfil-Bio=Leap"));
}

// The last line of a name stands: when the window cannot show it, the box names it, and the
// window goes on showing the person it showed, under that person's name, and writes nothing.
TEST_F(frmBioTest, AProfileTheBarsCannotShowIsRefusedAndChangesNothing) {
    struct Case {
        const char* line;
        bool byPopup;
    };
    const Case cases[] = {
        {"Old,March/5/1850,9:30", true},       {"Old,March/5/2101,9:30", false},
        {"Bad,Smarch/5/1980,7:05", true},      {"Bad,February/30/1981,7:05", false},
        {"Bad,March/5/1980,25:00", true},      {"Bad,March/5/1980,7:xx", false},
        {"Bad,March/5/1980,7:05,extra", true}, {"broken", false},
    };
    const QByteArray settings = "[opciones]\r\nPerfil-Bio=Ana\r\n";
    for (const Case& c : cases) {
        const QByteArray name = QByteArray(c.line).split(',').value(0);
        folder.write("perfiles.txt",
                     "Ana,June/15/1980,7:05\r\n" + name + ",May/1/1990,0:0\r\n" + c.line + "\r\n");
        folder.write("opciones.ini", settings);
        frmBio& w = openInFront();
        auto* list = control<QComboBox>(w, "ComboProfiles");
        ASSERT_EQ(list->currentText(), "Ana");
        const std::map<QString, QByteArray> before = birthFiles();
        testing_support::DrawnBoxes drawn;
        c.byPopup ? chooseNextInPopup(list) : chooseNextByKeys(list);

        ASSERT_EQ(drawn.shown.size(), 1U) << c.line;
        const testing_support::DrawnBoxes::Box& box = drawn.shown[0];
        EXPECT_EQ(box.text, QStringLiteral("This record can not be read: ") + c.line);
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.title, "ErrorInfo");
        EXPECT_TRUE(box.drawn);
        EXPECT_EQ(birthFiles(), before) << c.line;
        EXPECT_EQ(folder.read("opciones.ini"), settings) << c.line;
        EXPECT_EQ(list->currentText(), "Ana") << c.line;
        EXPECT_EQ(list->currentIndex(), 0) << c.line;
        EXPECT_EQ(text(w, "lblDayBirth"), "15") << c.line;
        EXPECT_EQ(text(w, "lblMonthBirth"), "June") << c.line;
        EXPECT_EQ(text(w, "lblYearBirth"), "1980") << c.line;
        EXPECT_EQ(text(w, "LabelHoraBirth"), "Time: 7:05") << c.line;
        EXPECT_EQ(bar(w, "VScrollHora")->value(), 7) << c.line;
        EXPECT_EQ(bar(w, "VScrollMinuto")->value(), 5) << c.line;
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(frmBioTest, BirthTimeEditorAdvisesRecomputesAndSavesTheTimeAlone) {
    frmBio& w = open();
    w.XPButtonHora_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "If you know your time of birth put it (Biorhythms will be more "
                               "accurate), if not leave it to 12:00.");
    EXPECT_EQ(boxes[0].style, runtime::vbInformation);
    EXPECT_FALSE(control(w, "LabelHora")->isHidden());
    EXPECT_TRUE(control<QPushButton>(w, "XPButtonHora")->isHidden());
    const runtime::Single before = biorhythms::bioState().diasVividos;
    bar(w, "VScrollMinuto")->setValue(9);
    EXPECT_EQ(text(w, "LabelMinuto"), "9");
    EXPECT_NE(biorhythms::bioState().diasVividos, before);
    bar(w, "vsbDayBirth")->setValue(16);
    w.CommandOk_Click();
    EXPECT_TRUE(control(w, "LabelHora")->isHidden());
    EXPECT_EQ(text(w, "LabelHoraBirth"), "Time: 7:09");
    EXPECT_EQ(folder.read("horabio.dat"), "7,9\r\n");
    EXPECT_EQ(folder.read("bio.dat"), "15,6,1980\r\n") << "OK saves the time alone";
}

TEST_F(frmBioTest, HelpNoticeShowsOncePerStayWithoutABirthDate) {
    birth("1,1,1900", "12,0");
    forms::Forms::instance().registerFactory("FrmCartaDia",
                                             [] { return new TargetWindow("FrmCartaDia"); });
    frmBio& w = open();
    EXPECT_EQ(shell::shellState().textoNotif, frmBio::kHelpNotice);
    EXPECT_TRUE(biorhythms::bioState().avisoNacMostrado);
    EXPECT_EQ(played("Url.wav"), 1);
    w.Show();
    EXPECT_EQ(played("Url.wav"), 1) << "a second activation shows nothing";
    w.CmdAlert_Click();
    EXPECT_EQ(played("Url.wav"), 2) << "Alerts shows it again";
    EXPECT_TRUE(shell::shellState().alertaDesdeBio);
    w.switchTo("FrmCartaDia");
    EXPECT_FALSE(biorhythms::bioState().avisoNacMostrado);
    EXPECT_FALSE(shell::shellState().alertaDesdeBio);
    EXPECT_FALSE(shell::bioWindowStudyDate());
    auto* target = static_cast<TargetWindow*>(forms::Forms::instance().find("FrmCartaDia"));
    ASSERT_NE(target, nullptr);
    target->switchTo(frmBio::kName);
    EXPECT_EQ(played("Url.wav"), 3) << "a new stay shows it again";
}

TEST_F(frmBioTest, AlertsSaveTheBirthDataAndOfferTheStudyDate) {
    frmBio& w = open();
    setStudy(w, {2016, 8, 3});
    bar(w, "vsbDayBirth")->setValue(20);
    setStudy(w, {2016, 8, 3});
    w.CmdAlert_Click();
    EXPECT_TRUE(shell::shellState().alertaDesdeBio);
    EXPECT_EQ(folder.read("bio.dat"), "20,6,1980\r\n");
    EXPECT_EQ(played("Url.wav"), 0);
    ASSERT_TRUE(shell::bioWindowStudyDate());
    EXPECT_EQ(*shell::bioWindowStudyDate(), makeDate(2016, 8, 3));
}

TEST_F(frmBioTest, BirthDataThatCannotBeSavedIsToldOncePerStay) {
    forms::Forms::instance().registerFactory("FrmCartaDia",
                                             [] { return new TargetWindow("FrmCartaDia"); });
    frmBio& w = open();
    testing_support::ReadOnlyFolder readOnly(folder.path(),
                                             {"bio.dat", "horabio.dat", "biofinal.dat"});
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    bar(w, "vsbDayBirth")->setValue(20);
    w.CmdAlert_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "The birth data could not be saved in the application folder.");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(folder.read("bio.dat"), "15,6,1980\r\n");

    w.CmdAlert_Click();
    w.CommandOk_Click();
    w.switchTo("FrmCartaDia");
    EXPECT_EQ(boxes.size(), 1U) << "once in the same stay, leaving the window included";
    auto* target = static_cast<TargetWindow*>(forms::Forms::instance().find("FrmCartaDia"));
    ASSERT_NE(target, nullptr);
    target->switchTo(frmBio::kName);
    forms::Forms::instance().findForm<frmBio>()->CommandOk_Click();
    EXPECT_EQ(boxes.size(), 2U) << "a new stay tells it again";
    EXPECT_EQ(folder.read("horabio.dat"), "7,5\r\n");
}

class frmBioOnAFullDisk : public frmBioTest,
                          public testing::WithParamInterface<testing_support::FullDisk::Kind> {};

// Alerts save the moved birth date first: on a full disk the three files stay as they were
// and the user is told, drawn on the screen.
TEST_P(frmBioOnAFullDisk, AlertsAfterTheBirthDayMovedKeepTheFilesAndSaySo) {
    frmBio& w = openInFront();
    const std::map<QString, QByteArray> before = birthFiles();
    testing_support::DrawnBoxes drawn;
    {
        testing_support::FullDisk full(GetParam(), folder.path());
        if (!full.holds()) {
            GTEST_SKIP() << full.why().toStdString();
        }
        clickLowerArrow(w, "vsbDayBirth");
        ASSERT_NE(text(w, "lblDayBirth"), "15");
        QTest::mouseClick(control<QPushButton>(w, "CmdAlert"), Qt::LeftButton);
        EXPECT_EQ(birthFiles(), before);
    }
    ASSERT_EQ(drawn.shown.size(), 1U);
    EXPECT_EQ(drawn.shown[0].text, "The birth data could not be saved in the application folder.");
    EXPECT_EQ(drawn.shown[0].title, "Error");
    EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(drawn.shown[0].drawn);
}

INSTANTIATE_TEST_SUITE_P(Kinds, frmBioOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

// A folder that takes no new file, with files that may be written: they are rewritten in place.
TEST_F(frmBioTest, InAReadOnlyFolderWritableBirthDataFilesAreRewrittenInPlace) {
    frmBio& w = openInFront();
    testing_support::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    testing_support::DrawnBoxes drawn;
    clickLowerArrow(w, "vsbDayBirth");
    QTest::mouseClick(control<QPushButton>(w, "CmdAlert"), Qt::LeftButton);
    EXPECT_TRUE(drawn.shown.empty());
    const int day = bar(w, "vsbDayBirth")->value();
    ASSERT_NE(day, 15);
    EXPECT_EQ(folder.read("bio.dat"), QStringLiteral("%1,6,1980\r\n").arg(day));
    EXPECT_EQ(folder.read("horabio.dat"), "7,5\r\n");
    const QDate target = control<QDateEdit>(w, "DTPicker1")->date();
    EXPECT_EQ(
        folder.read("biofinal.dat"),
        QStringLiteral("%1,%2,%3\r\n").arg(target.day()).arg(target.month()).arg(target.year()));
}

TEST_F(frmBioTest, CompatibilityNeedsTwoProfiles) {
    frmBio& w = open();
    w.XPButtonCompa_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "To use this feature must be more than one saved profile");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "Error-Info");
}

TEST_F(frmBioTest, CloseBoxHidesAndSavesNothingButExitSavesAndEnds) {
    frmBio& w = open();
    bar(w, "vsbDayBirth")->setValue(20);
    w.close();
    EXPECT_TRUE(forms::Forms::instance().isLoaded(frmBio::kName));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(folder.read("bio.dat"), "15,6,1980\r\n");
    shell::shellState().bgSound = "SiBgSound";
    w.Mnubye_Click();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(forms::Forms::instance().isLoaded(frmBio::kName));
    EXPECT_EQ(folder.read("bio.dat"), "20,6,1980\r\n");
    EXPECT_EQ(played("boop.wav"), 0);
}

TEST_F(frmBioTest, MenusListTheOtherWindowsWithAboutFirst) {
    frmBio& w = open();
    const QList<QAction*> trayMenu = w.MnuIcon->actions();
    ASSERT_FALSE(trayMenu.isEmpty());
    EXPECT_EQ(trayMenu[0]->text(), "About");
    QStringList goTo;
    for (QAction* item : w.MnuIr->actions()) {
        goTo << item->text();
    }
    EXPECT_EQ(goTo, QStringList({"Names", "Oracle", "Card of Day", "Another Day", "Numbers"}));
    QStringList right;
    for (QAction* item : w.MnuGo->actions()) {
        right << item->objectName() + "=" + item->text();
    }
    EXPECT_EQ(right,
              QStringList({"MnuNom2=...Names", "MnuOracul2=...Oracle", "MnuCdia2=...Card of Day",
                           "MnuOtroDia2=...Another Day", "MnuNum2=...Numbers", "Mnubye=Exit"}));
}

TEST_F(frmBioTest, AboutAndOptionsSaveTheBirthDataFirst) {
    const std::pair<const char*, const char*> cases[] = {{"MnuAbout", "frmAbout"},
                                                         {"MnuOpIco", "FrmOptions"}};
    int day = 20;
    for (const auto& [item, window] : cases) {
        frmBio& w = open();
        bar(w, "vsbDayBirth")->setValue(day);
        w.findChild<QAction*>(item)->trigger();
        EXPECT_EQ(folder.read("bio.dat"), QByteArray::number(day) + ",6,1980\r\n") << item;
        EXPECT_TRUE(forms::Forms::instance().isLoaded(window)) << item;
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ++day;
    }
}
