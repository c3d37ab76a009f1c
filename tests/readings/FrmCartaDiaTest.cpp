#include "readings/FrmCartaDia.h"

#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "moon/FrmMoonPhase.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "platform/NotifyIconData.h"
#include "platform/Pointer.h"
#include "platform/ScreenMetrics.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include <optional>

#include <gtest/gtest.h>

using readings::FrmCartaDia;
using runtime::makeDateTime;

using testing_support::centreColour;
using testing_support::pictureBytes;
using testing_support::TargetWindow;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

} // namespace

class FrmCartaDiaTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        moon::resetMoonState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            clickCartaDuringBox = shell::shellState().clickCarta;
            return runtime::vbOK;
        });
        app::registerWindows();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        settle();
        runtime::setDialogScript(nullptr);
        runtime::setLocale(kEnglish);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void settings(const QByteArray& lines) { folder.write("opciones.ini", lines); }
    void birth(const QByteArray& date, const QByteArray& time) {
        folder.write("bio.dat", date + "\r\n");
        folder.write("horabio.dat", time + "\r\n");
    }
    FrmCartaDia& open() {
        return *static_cast<FrmCartaDia*>(forms::Forms::instance().load(FrmCartaDia::kName));
    }
    FrmCartaDia* loaded() const {
        return static_cast<FrmCartaDia*>(forms::Forms::instance().find(FrmCartaDia::kName));
    }
    template <class T = QLabel> static T* control(FrmCartaDia& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(FrmCartaDia& w, const char* name) { return control(w, name)->text(); }
    int played(const QString& sound) const {
        return static_cast<int>(std::count_if(sound_.played.begin(), sound_.played.end(),
                                              [&](const QString& p) { return p.endsWith(sound); }));
    }
    static void moveOver(QWidget* widget, bool inside) {
        const QPoint at = inside ? widget->mapToGlobal(widget->rect().center())
                                 : widget->mapToGlobal(QPoint(-30, -30));
        platform::setCursorPosOverride(at);
        QMouseEvent move(QEvent::MouseMove, widget->mapFromGlobal(QPointF(at)), QPointF(at),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    static void leave(QWidget* widget) {
        platform::setCursorPosOverride(widget->mapToGlobal(QPoint(-30, -30)));
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound_;
    testing_support::FakeShell desktop;
    std::optional<testing_support::FakeTimeZone> zone{std::in_place, 0, 0, 0};
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 12, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    bool clickCartaDuringBox = false;
};

TEST_F(FrmCartaDiaTest, LoadShowsTheDateWithItsPlanetTheCardAndItsTrayIcon) {
    const std::pair<QLocale, const char*> cases[] = {
        {kEnglish, "Sunday, July 24, 2016 (The Sun)"},
        {kSpanish, "domingo, julio 24, 2016 (The Sun)"},
    };
    for (const auto& [locale, date] : cases) {
        runtime::setLocale(locale);
        FrmCartaDia& w = open();
        EXPECT_EQ(w.windowTitle(), "The Card of Day...");
        EXPECT_EQ(text(w, "LblDate"), date);
        EXPECT_EQ(w.planetaDia, "The Sun");
        EXPECT_EQ(w.cartaActual, 22) << "7/24/2016 and 24/07/2016 both sum to 22";
        EXPECT_EQ(control(w, "ImgCartadia")->toolTip(), "XXII. The World");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(tray.onlyIcon().tip, "");
        EXPECT_FALSE(shell::shellState().cargandoForm);
        EXPECT_TRUE(w.krono->isActive());
        EXPECT_EQ(w.krono->interval(), FrmCartaDia::kClockTickMs);
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, SumcartdiaShowsTheCardInTheChosenDeck) {
    folder.write("imagenes/mundo22.jpg", pictureBytes(kRed));
    folder.write("imagenes2/mundo22.jpg", pictureBytes(kGreen));
    folder.write("imagenes3/mundo22.jpg", pictureBytes(kBlue));
    folder.write("imagenes3/emperatriz3.jpg", pictureBytes(kGreen));
    FrmCartaDia& w = open();
    QLabel* card = control(w, "ImgCartadia");
    const std::pair<const char*, QColor> decks[] = {
        {"marsellaone", kRed}, {"marsellaclass", kGreen}, {"oldones", kBlue}, {"", kRed}};
    for (const auto& [deck, colour] : decks) {
        shell::shellState().tipoCarta = deck;
        EXPECT_EQ(w.sumcartdia("24/07/2016"), 22) << deck;
        EXPECT_EQ(w.cartaActual, 22);
        EXPECT_EQ(shell::shellState().numCarta, 22);
        EXPECT_EQ(card->toolTip(), "XXII. The World");
        EXPECT_EQ(centreColour(card), colour) << deck;
    }
    shell::shellState().tipoCarta = "oldones";
    EXPECT_EQ(w.sumcartdia("28/09/1999"), 47) << "the unreduced sum comes back";
    EXPECT_EQ(w.cartaActual, 3);
    EXPECT_EQ(card->toolTip(), "III. The Empress");
    EXPECT_EQ(centreColour(card), kGreen);

    shell::shellState().tipoCarta = "marsellaone";
    EXPECT_EQ(w.sumcartdia("28/09/1999"), 47);
    EXPECT_TRUE(card->pixmap().isNull()) << "a missing picture shows nothing";
    EXPECT_EQ(card->toolTip(), "III. The Empress");
}

TEST_F(FrmCartaDiaTest, ClickingTheCardShowsItsMeaningWhileTheTrayStaysQuiet) {
    FrmCartaDia& w = open();
    w.ImgCartadia_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, "XXII. The World");
    EXPECT_EQ(boxes[0].style, runtime::vbInformation);
    EXPECT_FALSE(boxes[0].prompt.isEmpty());
    EXPECT_TRUE(clickCartaDuringBox);
    EXPECT_FALSE(shell::shellState().clickCarta);
    EXPECT_EQ(shell::shellState().numCarta, 22);
}

TEST_F(FrmCartaDiaTest, SignFromThePeriodFilesOrTheFixedTable) {
    folder.write("signos/Leo_sm.gif", pictureBytes(kGreen));
    {
        SCOPED_TRACE("no period files: the fixed table for today");
        FrmCartaDia& w = open();
        EXPECT_EQ(text(w, "LabelZod"), "Leo");
        EXPECT_EQ(control(w, "ImageZod")->toolTip(), "July 23/August 22");
        EXPECT_EQ(readings::readingsState().numSigno, 4);
        EXPECT_EQ(centreColour(control(w, "ImageZod")), kGreen);
        EXPECT_EQ(control(w, "ImageZod")->pixmap().size(), control(w, "ImageZod")->size())
            << "stretched to the picture box";
        EXPECT_FALSE(control(w, "ImageAlert")->isVisible());
    }
    forms::Forms::instance().reset();
    settle();
    folder.write("fechas-db/cancer.txt", "2016/06/20 22:34:00 - 2016/07/22 09:30:00\r\n");
    folder.write("fechas-db/leo.txt", "2016/07/22 09:30:01 - 2016/08/22 16:38:00\r\n");
    FrmCartaDia& w = open();
    EXPECT_EQ(text(w, "LabelZod"), "Leo");
    EXPECT_EQ(control(w, "ImageZod")->toolTip(), "Leo: July 22/August 22");
    EXPECT_EQ(readings::readingsState().numSigno, 4);
    EXPECT_FALSE(control(w, "ImageAlert")->isVisible());
    EXPECT_EQ(control(w, "ImageAlert")->toolTip(), "");
    for (const QWidget* shown : w.findChildren<QWidget*>()) {
        EXPECT_FALSE(shown->toolTip().contains("(<=>)")) << shown->objectName().toStdString();
        if (const auto* label = qobject_cast<const QLabel*>(shown)) {
            EXPECT_FALSE(label->text().contains("(<=>)")) << label->objectName().toStdString();
        }
    }
}

TEST_F(FrmCartaDiaTest, CardIsTheSameInLocalesWithTheirOwnDigits) {
    const std::pair<runtime::DateValue, const char*> days[] = {
        {runtime::makeDate(2016, 7, 24), "XXII. The World"},
        {runtime::makeDate(2024, 12, 31), "XV. The Devil"},
        {runtime::makeDate(1999, 9, 28), "III. The Empress"},
    };
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "bn_BD"}) {
        runtime::setLocale(QLocale(QString::fromLatin1(locale)));
        for (const auto& [day, title] : days) {
            clock.set(runtime::addDays(day, 0.5));
            FrmCartaDia& w = open();
            EXPECT_EQ(control(w, "ImgCartadia")->toolTip(), title) << locale;
            EXPECT_EQ(shell::shellState().numCarta, w.cartaActual) << locale;
            forms::Forms::instance().reset();
            settle();
        }
    }
}

TEST_F(FrmCartaDiaTest, AlertIconOnTheDayOfAChangeTellsItsLocalTime) {
    folder.write("fechas-db/piscis.txt", "2016/02/19 05:34:00 - 2016/03/20 04:30:00\r\n");
    folder.write("fechas-db/aries.txt", "2016/03/20 04:30:01 - 2016/04/19 15:29:02\r\n");
    folder.write("fechas-db/tauro.txt", "2016/04/19 15:29:03 - 2016/05/20 14:36:00\r\n");
    struct Case {
        runtime::DateValue now;
        QByteArray hemisphere;
        runtime::Long bias;
        const char* sign;
        const char* message;
    };
    const Case cases[] = {
        {makeDateTime({2016, 3, 20, 1, 0, 0}), "", 0, "Pisces",
         "Change of sign along the day 3/20/2016 at 4:30:00 AM (local time).\r\n"
         "At this time begins the Spring!"},
        {makeDateTime({2016, 3, 20, 18, 0, 0}), "Sur", -60, "Aries",
         "Change of sign along the day 3/20/2016 at 5:30:01 AM (local time).\r\n"
         "At this time begins the Autumn!"},
        {makeDateTime({2016, 4, 19, 20, 0, 0}), "", 0, "Taurus",
         "Change of sign along the day 4/19/2016 at 3:29:03 PM (local time).\r\n"},
    };
    for (const Case& c : cases) {
        clock.set(c.now);
        zone.emplace(c.bias, 0, 0);
        settings("[opciones]\r\nHemisferio=" + c.hemisphere + "\r\n");
        boxes.clear();
        FrmCartaDia& w = open();
        EXPECT_EQ(text(w, "LabelZod"), c.sign);
        QLabel* alert = control(w, "ImageAlert");
        EXPECT_TRUE(alert->isVisible()) << c.sign;
        EXPECT_EQ(alert->toolTip(), "Change of sign, click for further information.");
        w.ImageAlert_Click();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].prompt, c.message);
        EXPECT_EQ(boxes[0].title, "Info");
        EXPECT_EQ(boxes[0].style, runtime::vbInformation);
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, BirthDataLinePadsOnlyTheMinute) {
    struct Case {
        QByteArray date;
        QByteArray time;
        const char* line;
    };
    const Case cases[] = {
        {"24,7,1970", "9,5", "Biorhythms: b.7/24/1970 9:05 (average)"},
        {"5,1,1980", "0,0", "Biorhythms: b.1/5/1980 0:00 (average)"},
        {"15,10,1980", "23,10", "Biorhythms: b.10/15/1980 23:10 (average)"},
        {"15,10,1980", "", "Biorhythms: b.10/15/1980 12:00 (average)"},
    };
    for (const Case& c : cases) {
        birth(c.date, c.time);
        if (c.time.isEmpty()) {
            QFile::remove(folder.file("horabio.dat"));
        }
        FrmCartaDia& w = open();
        EXPECT_EQ(text(w, "LabelBioInfo"), c.line);
        EXPECT_FALSE(shell::shellState().notifVisible) << "no welcome with a birth date";
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, BarGrowsFromTheMiddleGreenFromZeroUpRedBelow) {
    struct Case {
        QByteArray birthDate;
        QColor colour;
        bool up;
        const char* average;
    };
    // At midnight of the birth day every cycle is 0; a day before birth all are below it.
    const Case cases[] = {
        {"24,7,2016", kGreen, true, "0.00% (positive: regular or critical day)"},
        {"25,7,2016", kRed, true, "-"},
    };
    clock.set(makeDateTime({2016, 7, 24, 0, 0, 0}));
    for (const Case& c : cases) {
        birth(c.birthDate, "0,0");
        FrmCartaDia& w = open();
        const QImage bar = control(w, "PicMediaBio")->pixmap().toImage();
        ASSERT_FALSE(bar.isNull());
        const int middle = bar.height() / 2;
        EXPECT_EQ(bar.pixelColor(0, middle), c.colour);
        EXPECT_EQ(bar.pixelColor(bar.width() - 1, middle), c.colour) << "the whole width";
        const int outside = c.colour == kGreen ? middle - 1 : 0;
        EXPECT_NE(bar.pixelColor(bar.width() / 2, outside), c.colour);
        if (c.colour == kRed) {
            EXPECT_EQ(bar.pixelColor(0, middle + 2), kRed) << "down from the middle";
        }
        EXPECT_TRUE(text(w, "LabelBioMedia").startsWith(c.average));
        EXPECT_EQ(control(w, "Imageasc")->isVisible(), c.up);
        EXPECT_EQ(control(w, "Imagedesc")->isVisible(), !c.up);
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, BothArrowsHiddenWhenTheAverageOneHourLaterIsTheSame) {
    // Born 29/4/2016 at 22:33, at noon of 24/7/2016 the single-precision average one hour later
    // is the same number; a minute later in birth time it is not.
    const std::pair<QByteArray, bool> cases[] = {{"22,33", true}, {"22,34", false}};
    for (const auto& [time, level] : cases) {
        birth("29,4,2016", time);
        FrmCartaDia& w = open();
        const bool up = control(w, "Imageasc")->isVisible();
        const bool down = control(w, "Imagedesc")->isVisible();
        EXPECT_EQ(!up && !down, level) << time.constData();
        EXPECT_FALSE(up && down);
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, MoonPictureFollowsThePhaseAngle) {
    folder.write("lunagif/moon0.gif", pictureBytes(kRed, QSize(64, 64)));
    folder.write("lunagif/moon15.gif", pictureBytes(kGreen, QSize(64, 64)));
    folder.write("lunagif/moon30.gif", pictureBytes(kBlue, QSize(64, 64)));
    // A lunation longer than the mean synodic month reaches angles of 359 degrees and more.
    runtime::Long longLunation = moon::LunationOf(makeDateTime({2016, 1, 1, 0, 0, 0}));
    while (moon::PhaseJDE(longLunation + 1, moon::kNewMoon) -
               moon::PhaseJDE(longLunation, moon::kNewMoon) <
           29.7) {
        ++longLunation;
    }
    const runtime::DateValue newMoon = moon::JDToDate(moon::PhaseJDE(longLunation, moon::kNewMoon));
    const runtime::DateValue nextNewMoon =
        moon::JDToDate(moon::PhaseJDE(longLunation + 1, moon::kNewMoon));
    const std::pair<runtime::DateValue, QColor> cases[] = {
        {runtime::addMinutes(newMoon, 60), kRed},
        {runtime::addDays(newMoon, 15), kGreen},
        {runtime::addMinutes(nextNewMoon, -10), kBlue},
    };
    ASSERT_GE(moon::PhaseAngle(cases[2].first), 359.0F);
    FrmCartaDia& w = open();
    for (const auto& [at, colour] : cases) {
        clock.set(at);
        w.PictActualize_Click();
        EXPECT_EQ(control(w, "ImgLuna")->pixmap().toImage().pixelColor(10, 10), colour)
            << moon::PhaseAngle(at);
    }
    QFile::remove(folder.file("lunagif/moon30.gif"));
    w.PictActualize_Click();
    EXPECT_EQ(control(w, "ImgLuna")->pixmap().toImage().pixelColor(10, 10).alpha(), 0)
        << "a missing picture shows nothing";
}

TEST_F(FrmCartaDiaTest, MidnightPopUpOnceFromTheFirstTickOfTheNewDay) {
    struct Case {
        QLocale locale;
        QByteArray mute;
        std::vector<int> ticks; // seconds from 23:59:58; the day changes at 2
        int shownAt;            // -1: never
        int hiddenAt;
    };
    const Case cases[] = {
        {kEnglish, "", {0, 1, 2, 3, 4, 5, 30, 31, 32, 33}, 3, 32},
        {kSpanish, "nomuted", {0, 1, 2, 3, 4, 30, 31, 32, 33}, 3, 32},
        {kEnglish, "", {0, 1, 2, 5, 6, 33, 34, 35}, 5, 34},
        {kSpanish, "", {1, 4, 32, 33}, 4, 33},
        {kEnglish, "muted", {0, 1, 2, 3, 4, 32, 33}, -1, -1},
    };
    const runtime::DateValue start = makeDateTime({2016, 7, 23, 23, 59, 58});
    for (const Case& c : cases) {
        runtime::setLocale(c.locale);
        settings("[opciones]\r\nMute cod=" + c.mute + "\r\n");
        clock.set(start);
        FrmCartaDia& w = open();
        w.CmdSalir_Click();
        const int trumpetsBefore = played("Trumpet.wav");
        for (int second : c.ticks) {
            clock.set(runtime::addSeconds(start, second));
            w.krono_Timer();
            const bool shown = c.shownAt >= 0 && second >= c.shownAt && second < c.hiddenAt;
            EXPECT_EQ(w.isVisible(), shown) << c.locale.name().toStdString() << " at " << second;
            EXPECT_EQ(shell::shellState().recargaCartaDia, shown);
        }
        EXPECT_EQ(played("Trumpet.wav") - trumpetsBefore, c.shownAt >= 0 ? 1 : 0);
        if (c.shownAt >= 0) {
            EXPECT_TRUE(text(w, "LblDate").endsWith("(The Sun)")) << "recomputed for the new day";
            EXPECT_EQ(w.cartaActual, 22);
            ASSERT_NE(w.windowHandle(), nullptr);
            EXPECT_TRUE(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        }
        EXPECT_EQ(tray.iconCount(), 1) << "a refresh adds no second icon";
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, NoPopUpWhenTheNewDaysFirstTickComesAfterItsFirstMinute) {
    clock.set(makeDateTime({2016, 7, 23, 23, 59, 58}));
    FrmCartaDia& w = open();
    w.CmdSalir_Click();
    const std::pair<runtime::DateParts, bool> ticks[] = {
        {{2016, 7, 23, 23, 59, 59}, false},
        {{2016, 7, 24, 7, 30, 0}, false}, // resumed: the first tick of the new day
        {{2016, 7, 24, 7, 30, 1}, false},
        {{2016, 7, 25, 0, 0, 0}, false},
        {{2016, 7, 25, 0, 0, 59}, true}, // the next night, still its first minute
        {{2016, 7, 26, 0, 1, 0}, false}, // a night whose first minute had no tick
        {{2016, 7, 26, 0, 1, 1}, false},
    };
    for (const auto& [at, shown] : ticks) {
        clock.set(makeDateTime(at));
        w.krono_Timer();
        EXPECT_EQ(w.isVisible(), shown) << at.day << " " << at.hour << ":" << at.minute;
    }
    EXPECT_EQ(played("Trumpet.wav"), 1);
}

TEST_F(FrmCartaDiaTest, SwitchingAwayAndBackDuringThePopUpLoadsANormalWindowWithItsIcon) {
    forms::Forms::instance().registerFactory(
        "frmVelarcana", [] { return new TargetWindow(QStringLiteral("frmVelarcana")); });
    const runtime::DateValue start = makeDateTime({2016, 7, 23, 23, 59, 58});
    const auto at = [&](int second) { clock.set(runtime::addSeconds(start, second)); };
    at(0);
    FrmCartaDia* w = &open();
    w->CmdSalir_Click();
    at(3);
    w->krono_Timer();
    ASSERT_TRUE(w->isVisible());
    ASSERT_TRUE(shell::shellState().recargaCartaDia);

    at(7);
    w->MnuNum->trigger();
    settle();
    ASSERT_EQ(loaded(), nullptr);
    EXPECT_FALSE(shell::shellState().recargaCartaDia) << "the pop-up went with its window";
    at(10);
    static_cast<TargetWindow*>(forms::Forms::instance().find("frmVelarcana"))
        ->switchTo(FrmCartaDia::kName);
    settle();
    w = loaded();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(tray.iconCount(), 1) << "its load added its own icon";
    for (int second = 11; second <= 45; ++second) {
        at(second);
        w->krono_Timer();
    }
    EXPECT_TRUE(w->isVisible()) << "no hide of the earlier pop-up";
    EXPECT_EQ(played("Trumpet.wav"), 1) << "nor a second pop-up that night";

    w->CmdSalir_Click();
    tray.send(platform::WM_LBUTTONUP);
    EXPECT_TRUE(w->isVisible()) << "its icon brings it back";
}

TEST_F(FrmCartaDiaTest, ClockAndUptimeEveryTick) {
    auto& timer = *forms::Forms::instance().get<shell::FrmTimer>();
    FrmCartaDia& w = *loaded();
    clock.set(makeDateTime({2016, 7, 24, 12, 0, 7}));
    timer.TimeUp_Timer();
    w.krono_Timer();
    EXPECT_EQ(text(w, "LblGetTime"), "12:00:07 PM");
    EXPECT_EQ(text(w, "LblGetUptime"), "0:00:07");
    EXPECT_EQ(text(w, "LblDias"), "0d ");
}

TEST_F(FrmCartaDiaTest, StartWindowForAFreshProgramFolderWithTheWelcomeNotice) {
    auto& timer = *forms::Forms::instance().get<shell::FrmTimer>();
    (void)timer;
    FrmCartaDia* w = loaded();
    ASSERT_NE(w, nullptr) << "the start window table finds it";
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(tray.iconCount(), 1);
    const shell::ShellState& s = shell::shellState();
    EXPECT_EQ(s.textoNotif, "Welcome to Velarcana, change the birth date to calculate biorhythms.");
    EXPECT_TRUE(s.notifVisible);
    EXPECT_EQ(played("Url.wav"), 1);

    w->setWindowStateCode(forms::vbMinimized);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(s.notifVisible) << "minimising to the tray takes the notice away";
    EXPECT_FALSE(forms::Forms::instance().isLoaded(shell::Notif::kName));
}

TEST_F(FrmCartaDiaTest, OnlyTrueStartsItMinimised) {
    const std::pair<const char*, bool> cases[] = {
        {"True", false}, {"Verdadero", true}, {"", true}, {"False", true}};
    for (const auto& [value, visible] : cases) {
        settings(QByteArray("[opciones]\r\nIniciar Minimizado=") + value + "\r\n");
        FrmCartaDia& w = open();
        EXPECT_EQ(w.isVisible(), visible) << value;
        EXPECT_EQ(w.minimizado, !visible) << value;
        EXPECT_EQ(tray.iconCount(), 1);
        forms::Forms::instance().reset();
        settle();
    }
}

TEST_F(FrmCartaDiaTest, RefreshReadsTheSettingsAgainWithoutASecondIcon) {
    FrmCartaDia& w = open();
    EXPECT_EQ(shell::shellState().hemisferioSel, "Norte");
    EXPECT_EQ(shell::shellState().muteCod, "nomuted");
    settings("[opciones]\r\nHemisferio=Sur\r\nMute cod=muted\r\n");
    w.CmdSalir_Click();
    w.PictActualize_Click();
    EXPECT_EQ(shell::shellState().hemisferioSel, "Sur");
    EXPECT_EQ(shell::shellState().muteCod, "muted");
    EXPECT_FALSE(shell::shellState().recargaCartaDia);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(tray.iconCount(), 1);
}

TEST_F(FrmCartaDiaTest, BiorhythmBarRedrawsEveryThirtyMinutesAcrossReloads) {
    birth("24,7,1970", "9,5");
    FrmCartaDia* w = &open();
    const QString first = text(*w, "LabelBioMedia");
    clock.set(makeDateTime({2016, 7, 25, 3, 0, 0}));
    for (int minute = 1; minute <= 10; ++minute) {
        w->TimerPlus_Timer();
    }
    forms::Forms::instance().reset();
    settle();
    w = &open();
    const QString reloaded = text(*w, "LabelBioMedia");
    EXPECT_NE(reloaded, first);
    clock.set(makeDateTime({2016, 7, 26, 18, 0, 0}));
    for (int minute = 11; minute < 30; ++minute) {
        w->TimerPlus_Timer();
    }
    EXPECT_EQ(text(*w, "LabelBioMedia"), reloaded);
    w->TimerPlus_Timer();
    EXPECT_NE(text(*w, "LabelBioMedia"), reloaded) << "the 30th minute counts the first ten";
    EXPECT_EQ(shell::shellState().ticksBioCartaDia, 0);
}

TEST_F(FrmCartaDiaTest, SignTextOnTheFifthMoveOverTheSignPicture) {
    folder.write("sigtxt/leo.txt", "Leo, the Lion\r\nFire\r\n");
    FrmCartaDia& w = open();
    QLabel* sign = control(w, "ImageZod");
    auto* box = control<QPlainTextEdit>(w, "TextZod");
    for (int move = 1; move <= 4; ++move) {
        moveOver(sign, true);
        EXPECT_FALSE(box->isVisible()) << move;
    }
    moveOver(sign, true);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->toPlainText(), "Leo, the Lion\nFire");
    for (const char* clockLabel : {"LblTime", "LblGetTime"}) {
        EXPECT_FALSE(box->geometry().intersects(control(w, clockLabel)->geometry()))
            << "the local time stays in sight: " << clockLabel;
    }
    for (int move = 6; move <= 10; ++move) {
        moveOver(sign, true);
    }
    EXPECT_TRUE(box->isVisible());
    leave(sign);
    EXPECT_FALSE(box->isVisible());
    for (int move = 1; move <= 4; ++move) {
        moveOver(sign, true);
    }
    EXPECT_FALSE(box->isVisible()) << "leaving starts the count again";
}

TEST_F(FrmCartaDiaTest, MoonDetailStaysOnTheScreenBesideAWindowAtTheLeftEdge) {
    FrmCartaDia& w = open();
    w.move(0, 0);
    QLabel* moonPicture = control(w, "ImgLuna");
    for (int move = 1; move <= 5; ++move) {
        moveOver(moonPicture, true);
    }
    auto* detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    ASSERT_NE(detail, nullptr);
    EXPECT_GE(detail->x(), 0);
}

TEST_F(FrmCartaDiaTest, MoonDetailOnTheFifthMoveBesideTheWindowAndGoneWhenThePointerLeaves) {
    FrmCartaDia& w = open();
    w.move(400, 100);
    QLabel* moonPicture = control(w, "ImgLuna");
    for (int move = 1; move <= 4; ++move) {
        moveOver(moonPicture, true);
    }
    EXPECT_FALSE(forms::Forms::instance().isLoaded(moon::FrmMoonPhase::kName));
    moveOver(moonPicture, true);
    auto* detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    ASSERT_NE(detail, nullptr);
    EXPECT_TRUE(detail->isVisible());
    EXPECT_EQ(detail->x(), w.x() - moonPicture->width());
    EXPECT_EQ(detail->y(), w.y() + static_cast<int>(std::lround(1.7 * detail->height())));
    moveOver(moonPicture, false);
    EXPECT_FALSE(forms::Forms::instance().isLoaded(moon::FrmMoonPhase::kName));

    w.ImgLuna_Click();
    detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    ASSERT_NE(detail, nullptr) << "a click loads the detail window";
    EXPECT_EQ(detail->findChild<QLabel*>("LabelAd")->text(), "(Click on the Moon to see next)");
    w.ImgLuna_Click();
    EXPECT_EQ(detail->findChild<QLabel*>("LabelAd")->text(), "(Click on the Moon to see previous)");
    w.CmdSalir_Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(forms::Forms::instance().isLoaded(moon::FrmMoonPhase::kName));
    EXPECT_EQ(tray.iconCount(), 1);
}

// The pointer leaving the moon arrives, as the window system sends it, while the detail window
// loads and while it redraws: it closes the window after them, never during them.
TEST_F(FrmCartaDiaTest, PointerLeavingTheMoonDuringTheDetailsLoadOrRedrawClosesItAfterwards) {
    FrmCartaDia& w = open();
    QLabel* moonPicture = control(w, "ImgLuna");
    const auto leaveSoon = [moonPicture] {
        QMetaObject::invokeMethod(
            moonPicture, [moonPicture] { leave(moonPicture); }, Qt::QueuedConnection);
    };
    for (int move = 1; move <= 4; ++move) {
        moveOver(moonPicture, true);
    }
    leaveSoon();
    moveOver(moonPicture, true);
    auto* detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    ASSERT_NE(detail, nullptr) << "loaded by the fifth move";
    EXPECT_FALSE(detail->findChild<QLabel*>("LabelResum")->text().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::Forms::instance().isLoaded(moon::FrmMoonPhase::kName));
    settle();

    w.ImgLuna_Click();
    detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    ASSERT_NE(detail, nullptr);
    leaveSoon();
    detail->Timer1_Timer();
    w.ImgLuna_Click();
    QCoreApplication::processEvents();
    settle();
    EXPECT_FALSE(forms::Forms::instance().isLoaded(moon::FrmMoonPhase::kName));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(FrmCartaDiaTest, ButtonSwitchStoresTheRectangleMenuAndBarSwitchDoNot) {
    for (const char* name : {"FrmName", "frmBio"}) {
        forms::Forms::instance().registerFactory(name, [name] { return new TargetWindow(name); });
    }
    struct Case {
        const char* trigger;
        const char* target;
        bool stored;
    };
    const Case cases[] = {
        {"ARButtonNom", "FrmName", true}, {"ARButtonBio", "frmBio", true},
        {"MnuNom", "FrmName", false},     {"MnuBio", "frmBio", false},
        {"PicMediaBio", "frmBio", false},
    };
    for (const Case& c : cases) {
        QFile::remove(folder.file("opciones.ini"));
        FrmCartaDia& w = open();
        w.move(30, 45);
        const int width = w.width();
        if (QString(c.trigger).startsWith("Mnu")) {
            w.findChild<QAction*>(c.trigger)->trigger();
        } else if (QString(c.trigger) == "PicMediaBio") {
            w.PicMediaBio_Click();
        } else {
            control<QPushButton>(w, c.trigger)->click();
        }
        settle();
        EXPECT_EQ(loaded(), nullptr) << c.trigger;
        EXPECT_TRUE(forms::Forms::instance().isLoaded(c.target)) << c.trigger;
        const QByteArray ini = folder.read("opciones.ini");
        EXPECT_EQ(ini.contains("Velarcanacod_Left"), c.stored) << c.trigger;
        if (c.stored) {
            const auto twips = [](double pixels) {
                return QByteArray::number(static_cast<int>(pixels));
            };
            EXPECT_TRUE(ini.contains("Velarcanacod_Left=" + twips(30 * platform::twipsPerPixelX())))
                << ini.constData();
            EXPECT_TRUE(ini.contains("Velarcanacod_Top=" + twips(45 * platform::twipsPerPixelY())));
            EXPECT_TRUE(
                ini.contains("Velarcanacod_Width=" + twips(width * platform::twipsPerPixelX())));
        }
        forms::Forms::instance().reset();
        settle();
    }
    FrmCartaDia& w = open();
    w.switchTo("NoSuchWindow", false);
    EXPECT_EQ(loaded(), &w) << "an unregistered window: nothing happens";
    EXPECT_TRUE(w.isVisible());
}

TEST_F(FrmCartaDiaTest, StoredRectangleMovesTheWindowOnlyWhenItCanBeTrusted) {
    const QPoint where = open().pos();
    forms::Forms::instance().reset();
    settle();
    const QByteArray left = QByteArray::number(100 * platform::twipsPerPixelX());
    const QByteArray top = QByteArray::number(60 * platform::twipsPerPixelY());
    const auto rectangle = [](const QByteArray& x, const QByteArray& y,
                              const QByteArray& width = "0", const QByteArray& height = "0") {
        return "[Posición]\r\nVelarcanacod_Left=" + x + "\r\nVelarcanacod_Top=" + y +
               "\r\nVelarcanacod_Width=" + width + "\r\nVelarcanacod_Height=" + height + "\r\n";
    };
    struct Case {
        QByteArray ini;
        QPoint expected;
        QLocale locale = kEnglish;
    };
    const Case cases[] = {
        {rectangle("0", "0"), where},
        {rectangle(left, top), QPoint(100, 60)},
        {rectangle("0", top), QPoint(0, 60)},
        {rectangle(left, top, "99999", "40000"), QPoint(100, 60)}, // beyond 16 bits: its own size
        {rectangle(left + ".375", top + ".125"), QPoint(100, 60), kSpanish}, // as the store writes
        {rectangle("40000", "900"), where},     // beyond the one screen of this test run
        {rectangle("-30000", "-30000"), where}, // off every screen
        {rectangle("", ""), where},
        {rectangle("left", top), where},        // damaged: left to the window manager
        {rectangle(left, "3000000000"), where}, // beyond 32 bits
        {rectangle(left, top, "1e40", "inf"), where},
    };
    for (const Case& c : cases) {
        runtime::setLocale(c.locale);
        // Written as the Windows-1252 text the settings file holds.
        folder.write("opciones.ini", QString::fromUtf8(c.ini).toLatin1());
        FrmCartaDia& w = open();
        EXPECT_EQ(w.pos(), c.expected) << c.ini.constData();
        EXPECT_EQ(w.size(), w.minimumSize()) << c.ini.constData();
        forms::Forms::instance().reset();
        settle();
    }
}
