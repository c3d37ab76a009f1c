#include "readings/FrmCalendar.h"

#include "app/Windows.h"
#include "forms/Forms.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "support/DateInput.h"
#include "support/ErfaMoon.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

using readings::FrmCalendar;
using runtime::makeDate;
using runtime::makeDateTime;

using testing_support::centreColour;
using testing_support::clickDay;
using testing_support::clickMonthArrow;
using testing_support::pictureBytes;
using testing_support::TargetWindow;
using testing_support::typeYear;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

// The first day of 2016 onwards whose local noon passes the test.
runtime::DateValue firstDayWhere(const std::function<bool(runtime::DateValue)>& test) {
    for (runtime::DateValue day = makeDate(2016, 1, 1); day < makeDate(2017, 1, 1); day += 1) {
        if (test(day + 0.5)) {
            return day;
        }
    }
    ADD_FAILURE() << "no such day in 2016";
    return makeDate(2016, 1, 1);
}

double illuminationAt(runtime::DateValue d) {
    moon::MoonCycle(d);
    return moon::moonState().iluminacionLuna;
}

long halfAngleAt(runtime::DateValue d) {
    return std::lround(std::nearbyint(moon::PhaseAngle(d) / 2.0));
}

// A phase text whose name agrees with its measure: waxing toward full, waning toward new.
bool namedPhaseText(const QString& tip) {
    static const QRegularExpression named(
        QStringLiteral("^(Waxing (Crescent|Gibbous): \\d+\\.\\d\\d% of Full|"
                       "(Waning Gibbous|Wanning Crescent): \\d+\\.\\d\\d% of New)$"));
    return named.match(tip).hasMatch() ||
           QStringList({"Full Moon", "New Moon", "First Quarter", "Last Quarter"}).contains(tip);
}

// The darkest colour in a rectangle of the picture: the text's own colour where it is written.
QColor inkOf(const QImage& picture, const QRect& where) {
    QColor darkest = Qt::white;
    for (int y = where.top(); y <= where.bottom(); ++y) {
        for (int x = where.left(); x <= where.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.lightness() < darkest.lightness()) {
                darkest = pixel;
            }
        }
    }
    return darkest;
}

int colourDistance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// Texts whose colours differ less than this are written alike.
constexpr int kSameInk = 60;

} // namespace

class FrmCalendarTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        moon::resetMoonState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            clickCartaDuringBox = shell::shellState().clickCarta;
            return runtime::vbOK;
        });
        shell::setProgramEnd([this] { ++programEnds; });
        app::registerWindows();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        settle();
        shell::setProgramEnd(nullptr);
        runtime::setDialogScript(nullptr);
        runtime::setLocale(kEnglish);
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void settings(const QByteArray& lines) {
        folder.write("opciones.ini", "[opciones]\r\n" + lines);
    }
    FrmCalendar& open() {
        return *static_cast<FrmCalendar*>(forms::Forms::instance().load(FrmCalendar::kName));
    }
    FrmCalendar* loaded() const {
        return static_cast<FrmCalendar*>(forms::Forms::instance().find(FrmCalendar::kName));
    }
    void reopen() {
        forms::Forms::instance().reset();
        settle();
    }
    template <class T = QLabel> static T* control(FrmCalendar& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void choose(FrmCalendar& w, runtime::DateValue day) {
        control<QCalendarWidget>(w, "Calendar1")->setSelectedDate(runtime::toQDate(day));
        w.Calendar1_Click();
    }
    static QString dateText(FrmCalendar& w) { return control<QLineEdit>(w, "TxtFecha")->text(); }
    void writeAriesSpring() const {
        folder.write("fechas-db/piscis.txt", "2016/02/19 05:34:00 - 2016/03/20 04:30:00\r\n");
        folder.write("fechas-db/aries.txt", "2016/03/20 04:30:01 - 2016/04/19 15:29:02\r\n");
        folder.write("fechas-db/tauro.txt", "2016/04/19 15:29:03 - 2016/05/20 14:36:00\r\n");
        folder.write("fechas-db/geminis.txt", "2016/05/20 14:36:01 - 2016/06/20 22:33:59\r\n");
        folder.write("fechas-db/cancer.txt", "2016/06/20 22:34:00 - 2016/07/22 09:30:00\r\n");
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
    std::optional<testing_support::FakeTimeZone> zone{std::in_place, 0, 0, 0};
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 12, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    bool clickCartaDuringBox = false;
    int programEnds = 0;
};

TEST_F(FrmCalendarTest, LoadShowsTodayInTheCalendarButReadsNothingYet) {
    folder.write("amenores/reverso.jpg", pictureBytes(kGreen));
    FrmCalendar& w = open();
    EXPECT_EQ(w.windowTitle(), "Another Day...");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(tray.onlyIcon().tip, "");
    EXPECT_FALSE(shell::shellState().cargandoForm);
    EXPECT_EQ(control<QCalendarWidget>(w, "Calendar1")->selectedDate(), QDate(2016, 7, 24));
    EXPECT_EQ(dateText(w), "");
    EXPECT_EQ(centreColour(control(w, "Imgfechasel")), kGreen) << "the card back";
    EXPECT_EQ(control(w, "Imgfechasel")->toolTip(), "");
    EXPECT_TRUE(control(w, "ImageZod")->pixmap().isNull());
    EXPECT_EQ(control(w, "LabelZod")->text(), "");
    EXPECT_TRUE(control(w, "ImgLuna")->pixmap().isNull());
    EXPECT_FALSE(control(w, "LabelFase")->isVisible());
    EXPECT_FALSE(control(w, "ImageAlert")->isVisible());
    EXPECT_EQ(shell::shellState().numCarta, 0);

    w.Imgfechasel_Click();
    EXPECT_TRUE(boxes.empty()) << "no card before the first reading";
}

TEST_F(FrmCalendarTest, TrayMenuHasItsOwnCaptionsAndTheOtherFiveWindows) {
    FrmCalendar& w = open();
    EXPECT_EQ(w.MnuAbout->text(), "About");
    EXPECT_EQ(w.MnuIr->title(), "Ir a...");
    EXPECT_EQ(w.MnuSal->objectName(), "MnuSal");
    EXPECT_EQ(w.MnuSal->text(), "Exit");
    QStringList goTo;
    QStringList names;
    for (const QAction* item : w.MnuIr->actions()) {
        goTo << item->text();
        names << item->objectName();
    }
    EXPECT_EQ(goTo, QStringList({"Biorhythms", "Names", "Oracle", "Card of Day", "Numbers"}));
    EXPECT_EQ(names, QStringList({"MnuBio", "MnuNom", "MnuOracul", "MnuCdia", "MnuNum"}));
    const QList<QAction*> top = w.MnuIcon->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0], w.MnuAbout);
    EXPECT_EQ(top[2]->menu(), w.MnuIr);
    EXPECT_TRUE(top[3]->isSeparator());
    EXPECT_EQ(top[4], w.MnuSal);
}

TEST_F(FrmCalendarTest, StartsHiddenWithTrueOrVerdadero) {
    const std::pair<QByteArray, bool> cases[] = {
        {"True", false}, {"Verdadero", false}, {"False", true}, {"", true}};
    for (const auto& [value, shown] : cases) {
        settings("Iniciar Minimizado=" + value + "\r\n");
        FrmCalendar& w = open();
        EXPECT_EQ(w.isVisible(), shown) << value.constData();
        EXPECT_EQ(tray.iconCount(), 1);
        reopen();
    }
}

TEST_F(FrmCalendarTest, DateTextInTheSystemLanguageWithTheEnglishMonth) {
    const std::tuple<QLocale, runtime::DateValue, const char*> cases[] = {
        {kEnglish, makeDate(2016, 7, 24), "Sunday , July 24 of 2016"},
        {kEnglish, makeDate(2026, 12, 9), "Wednesday , December 9 of 2026"},
        {kSpanish, makeDate(2016, 7, 24), "domingo , July 24 of 2016"},
    };
    for (const auto& [locale, day, expected] : cases) {
        runtime::setLocale(locale);
        FrmCalendar& w = open();
        choose(w, day);
        EXPECT_EQ(dateText(w), expected);
        EXPECT_TRUE(control(w, "LabelFase")->isVisible());
        reopen();
    }
}

TEST_F(FrmCalendarTest, CalendarClickRunsTheReading) {
    FrmCalendar& w = open();
    auto* calendar = control<QCalendarWidget>(w, "Calendar1");
    calendar->setSelectedDate(QDate(2016, 7, 24));
    emit calendar->clicked(QDate(2016, 7, 24));
    EXPECT_EQ(dateText(w), "Sunday , July 24 of 2016");
}

TEST_F(FrmCalendarTest, CardOfTheChosenDateByTheCardOfTheDayRule) {
    folder.write("imagenes/mundo22.jpg", pictureBytes(kRed));
    folder.write("imagenes3/mundo22.jpg", pictureBytes(kBlue));
    folder.write("imagenes3/emperatriz3.jpg", pictureBytes(kGreen));
    struct Case {
        QLocale locale;
        const char* deck;
        runtime::DateValue day;
        runtime::Integer card;
        const char* title;
        QColor colour;
    };
    const Case cases[] = {
        {kSpanish, "marsellaone", makeDate(2016, 7, 24), 22, "XXII. The World", kRed},
        {kEnglish, "oldones", makeDate(2016, 7, 24), 22, "XXII. The World", kBlue},
        {kSpanish, "oldones", makeDate(1999, 9, 28), 3, "III. The Empress", kGreen},
        {kSpanish, "marsellaone", makeDate(1999, 9, 28), 3, "III. The Empress", QColor()},
    };
    for (const Case& c : cases) {
        runtime::setLocale(c.locale);
        shell::shellState().tipoCarta = c.deck;
        FrmCalendar& w = open();
        choose(w, c.day);
        QLabel* card = control(w, "Imgfechasel");
        EXPECT_EQ(w.cartaFecha, c.card);
        EXPECT_EQ(shell::shellState().numCarta, c.card);
        EXPECT_EQ(card->toolTip(), c.title);
        EXPECT_EQ(centreColour(card), c.colour) << c.deck << " " << c.title;

        boxes.clear();
        shell::shellState().numCarta = 7;
        w.Imgfechasel_Click();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].title, c.title);
        EXPECT_TRUE(clickCartaDuringBox);
        EXPECT_FALSE(shell::shellState().clickCarta);
        EXPECT_EQ(shell::shellState().numCarta, c.card);
        reopen();
    }
}

TEST_F(FrmCalendarTest, SignFromThePeriodFilesWithItsRangeAsTooltip) {
    writeAriesSpring();
    folder.write("signos/Aries_sm.gif", pictureBytes(kGreen));
    FrmCalendar& w = open();
    choose(w, makeDate(2016, 4, 1));
    EXPECT_EQ(control(w, "LabelZod")->text(), "Aries");
    EXPECT_EQ(control(w, "ImageZod")->toolTip(), "March 20/April 19") << "no sign name in front";
    EXPECT_EQ(centreColour(control(w, "ImageZod")), kGreen);
    EXPECT_EQ(readings::readingsState().numSigno, 0);
    EXPECT_FALSE(control(w, "ImageAlert")->isVisible()) << "the middle of a period";
    EXPECT_EQ(control(w, "ImageAlert")->toolTip(), "");
    w.ImageAlert_Click();
    EXPECT_TRUE(boxes.empty());

    choose(w, makeDate(2016, 5, 3));
    EXPECT_EQ(control(w, "LabelZod")->text(), "Taurus");
    EXPECT_TRUE(control(w, "ImageZod")->pixmap().isNull()) << "a missing picture is skipped";
    EXPECT_EQ(control(w, "ImageZod")->toolTip(), "April 19/May 20");
    EXPECT_EQ(readings::readingsState().numSigno, 1);
}

TEST_F(FrmCalendarTest, NoPeriodFileHoldsTheDateTheFixedTableDecides) {
    writeAriesSpring();
    folder.write("fechas-db/escorpio.txt", "not a period\r\n");
    FrmCalendar& w = open();
    choose(w, makeDate(2016, 4, 1));
    const std::tuple<runtime::DateValue, const char*, const char*, runtime::Integer> cases[] = {
        {makeDate(2016, 12, 21), "Sagittarius", "November 22/December 21", 8},
        {makeDate(2016, 12, 22), "Capricorn", "December 22/January 19", 9},
        {makeDate(2030, 3, 20), "Pisces", "February 19/March 20", 11},
    };
    for (const auto& [day, sign, range, index] : cases) {
        choose(w, day);
        EXPECT_EQ(control(w, "LabelZod")->text(), sign);
        EXPECT_EQ(control(w, "ImageZod")->toolTip(), range);
        EXPECT_EQ(readings::readingsState().numSigno, index);
        EXPECT_FALSE(control(w, "ImageAlert")->isVisible()) << sign;
    }
}

TEST_F(FrmCalendarTest, CardIsTheSameInLocalesWithTheirOwnDigits) {
    const std::pair<runtime::DateValue, const char*> days[] = {
        {makeDate(2016, 7, 24), "XXII. The World"},
        {makeDate(2024, 12, 31), "XV. The Devil"},
        {makeDate(1999, 9, 28), "III. The Empress"},
    };
    FrmCalendar& w = open();
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "bn_BD"}) {
        runtime::setLocale(QLocale(QString::fromLatin1(locale)));
        for (const auto& [day, title] : days) {
            choose(w, day);
            EXPECT_EQ(control(w, "Imgfechasel")->toolTip(), title) << locale;
            EXPECT_EQ(shell::shellState().numCarta, w.cartaFecha) << locale;
        }
    }
}

TEST_F(FrmCalendarTest, SignChangeMarkerTellsTheBoundaryInLocalTimeWithTheSeason) {
    writeAriesSpring();
    struct Case {
        runtime::DateValue day;
        QByteArray hemisphere;
        runtime::Long bias;
        runtime::Long daylightBias;
        runtime::Long zoneResult;
        const char* message;
    };
    const Case cases[] = {
        {makeDate(2016, 3, 20), "Norte", -60, -60, 1,
         "Change of sign along the day 3/20/2016 at 5:30:01 AM (local time).\r\n"
         "At this time begins the Spring!"},
        {makeDate(2016, 3, 20), "Norte", -60, -60, 2,
         "Change of sign along the day 3/20/2016 at 6:30:01 AM (local time).\r\n"
         "At this time begins the Spring!"},
        {makeDate(2016, 4, 19), "", 300, 0, 0,
         "Change of sign along the day 4/19/2016 at 10:29:02 AM (local time).\r\n"},
        {makeDate(2016, 6, 20), "Sur", -120, 0, 0,
         "Change of sign along the day 6/21/2016 at 12:33:59 AM (local time).\r\n"
         "At this time begins the Winter!"},
        {makeDate(2016, 3, 20), "Sur", 0, 0, -1,
         "Change of sign along the day 3/20/2016 at 4:30:01 AM (local time).\r\n"
         "At this time begins the Autumn!"},
    };
    for (const Case& c : cases) {
        zone.emplace(c.bias, c.daylightBias, c.zoneResult);
        settings("Hemisferio=" + c.hemisphere + "\r\n");
        boxes.clear();
        FrmCalendar& w = open();
        choose(w, c.day);
        QLabel* alert = control(w, "ImageAlert");
        EXPECT_TRUE(alert->isVisible());
        EXPECT_EQ(alert->toolTip(), "Change of sign, click for further information.");
        w.ImageAlert_Click();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].prompt, c.message);
        EXPECT_EQ(boxes[0].title, "Info");
        EXPECT_EQ(boxes[0].style, runtime::vbInformation);
        EXPECT_TRUE(QString(c.message).contains(moon::moonState().horaLocalTxt));

        choose(w, makeDate(2016, 4, 2));
        EXPECT_FALSE(alert->isVisible()) << "each click replaces the whole reading";
        EXPECT_EQ(alert->toolTip(), "");
        reopen();
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
    }
}

TEST_F(FrmCalendarTest, HemisphereSetByAnotherWindowHoldsOverTheSavedOne) {
    writeAriesSpring();
    settings("Hemisferio=Sur\r\n");
    shell::shellState().hemisferioSel = "Norte";
    FrmCalendar& w = open();
    choose(w, makeDate(2016, 3, 20));
    w.ImageAlert_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].prompt.endsWith("At this time begins the Spring!"));
}

TEST_F(FrmCalendarTest, SignTextWhileTheButtonIsHeldOnTheSignPicture) {
    writeAriesSpring();
    folder.write("sigtxt/aries.txt", "Aries, the ram.\r\nFirst sign.\r\n");
    FrmCalendar& w = open();
    auto* text = control<QPlainTextEdit>(w, "TextZod");
    w.ImageZod_MouseDown();
    EXPECT_FALSE(text->isVisible()) << "no sign shown before the first reading";
    choose(w, makeDate(2016, 4, 1));
    QLabel* sign = control(w, "ImageZod");
    EXPECT_FALSE(text->isVisible());
    const QPointF at(sign->rect().center());
    QMouseEvent press(QEvent::MouseButtonPress, at, sign->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sign, &press);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->toPlainText(), "Aries, the ram.\nFirst sign.");
    QMouseEvent release(QEvent::MouseButtonRelease, at, sign->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sign, &release);
    EXPECT_FALSE(text->isVisible());

    choose(w, makeDate(2016, 5, 3));
    w.ImageZod_MouseDown();
    EXPECT_FALSE(text->isVisible()) << "no description file for Taurus: nothing to show";
}

TEST_F(FrmCalendarTest, MoonPictureOfHalfThePhaseAngle) {
    const std::pair<runtime::Long, runtime::Integer> cases[] = {
        {0, 0},    {6, 0},    {7, 1},    {12, 1},   {13, 2},   {90, 14},
        {174, 28}, {175, 29}, {180, 29}, {181, 29}, {200, 29},
    };
    for (const auto& [halfAngle, picture] : cases) {
        EXPECT_EQ(FrmCalendar::moonPictureOfHalfAngle(halfAngle), picture) << halfAngle;
    }
}

TEST_F(FrmCalendarTest, FullMoonAtLocalNoonAndThePhaseTextOtherwise) {
    folder.write("lunagif/moon14.gif", pictureBytes(kGreen, QSize(64, 64)));
    const runtime::DateValue full = firstDayWhere([](runtime::DateValue noon) {
        return illuminationAt(noon) >= 0.995 && halfAngleAt(noon) == 90;
    });
    const runtime::DateValue crescent = firstDayWhere([](runtime::DateValue noon) {
        const double lit = illuminationAt(noon);
        return lit > 0.1 && lit < 0.4 && halfAngleAt(noon) < 90;
    });
    const runtime::DateValue waning = firstDayWhere([](runtime::DateValue noon) {
        const double lit = illuminationAt(noon);
        return lit > 0.6 && lit < 0.9 && halfAngleAt(noon) > 100;
    });
    const runtime::DateValue dark =
        firstDayWhere([](runtime::DateValue noon) { return illuminationAt(noon) < 0.005; });
    FrmCalendar& w = open();
    QLabel* moonPicture = control(w, "ImgLuna");

    choose(w, full);
    EXPECT_EQ(moonPicture->toolTip(), "Full Moon");
    EXPECT_EQ(moonPicture->pixmap().toImage().pixelColor(10, 10), kGreen) << "moon14.gif";

    choose(w, crescent);
    const QString lit = runtime::formatNumber(illuminationAt(crescent + 0.5) * 100, "0.00");
    EXPECT_EQ(moonPicture->toolTip(), "Waxing Crescent: " + lit + "% of Full");

    choose(w, waning);
    const double dim = std::nearbyint(100 - illuminationAt(waning + 0.5) * 100);
    EXPECT_EQ(moonPicture->toolTip(), moon::PhaseName(waning + 0.5) + ": " +
                                          runtime::formatNumber(dim, "0.00") + "% of New");

    choose(w, dark);
    EXPECT_EQ(moonPicture->toolTip(), "New Moon");
    EXPECT_EQ(moonPicture->pixmap().toImage().pixelColor(10, 10).alpha(), 0)
        << "a missing picture shows nothing";
}

// Before 30 December 1899 the time of a date value counts forward from its own midnight: the noon
// of 29 December is -1.5, while -0.5 is the noon of the 30th.
TEST_F(FrmCalendarTest, DaysBeforeTheEpochShowTheMoonOfTheirOwnNoon) {
    FrmCalendar& w = open();
    QLabel* moonPicture = control(w, "ImgLuna");
    QStringList tips;
    for (const int day : {27, 28, 29, 30}) {
        const runtime::DateValue noon = makeDateTime({1899, 12, day, 12, 0, 0});
        choose(w, makeDate(1899, 12, day));
        const double dim = std::nearbyint(100 - illuminationAt(noon) * 100);
        EXPECT_EQ(moonPicture->toolTip(),
                  moon::PhaseName(noon) + ": " + runtime::formatNumber(dim, "0.00") + "% of New")
            << day;
        tips << moonPicture->toolTip();
    }
    EXPECT_EQ(tips.removeDuplicates(), 0) << tips.join(" | ").toStdString();
}

// The offset of the change's own day, not the one in force when the message is read.
TEST_F(FrmCalendarTest, SignChangeOfASummerDayReadInDecemberIsInSummerTime) {
    const testing_support::ZoneVariable tz("Europe/Madrid");
    zone.reset();
    clock.setDateTime(2024, 12, 10, 12, 0, 0);
    runtime::setLocale(kSpanish);
    folder.write("fechas-db/geminis.txt", "2024/05/20 12:59:25 - 2024/06/20 20:50:55\r\n");
    folder.write("fechas-db/cancer.txt", "2024/06/20 20:50:55 - 2024/07/22 07:44:21\r\n");
    FrmCalendar& w = open();
    choose(w, makeDate(2024, 6, 20));
    w.ImageAlert_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt,
              "Change of sign along the day 20/6/2024 at 22:50:55 (local time).\r\n"
              "At this time begins the Summer!");
}

TEST_F(FrmCalendarTest, SouthernHemisphereTurnsEveryMoonPictureUpsideDown) {
    for (int k = 0; k <= FrmCalendar::kLastMoonPicture; ++k) {
        folder.write(QString("lunagif/moon%1.gif").arg(k), pictureBytes(kRed, QSize(64, 64), true));
    }
    const std::pair<QByteArray, QColor> cases[] = {{"Norte", kRed}, {"Sur", kBlue}};
    for (const auto& [hemisphere, top] : cases) {
        settings("Hemisferio=" + hemisphere + "\r\n");
        FrmCalendar& w = open();
        for (const runtime::DateValue day :
             {makeDate(2016, 7, 1), makeDate(2016, 7, 9), makeDate(2016, 7, 20)}) {
            choose(w, day);
            const QImage shown = control(w, "ImgLuna")->pixmap().toImage();
            EXPECT_EQ(shown.pixelColor(10, 10), top) << hemisphere.constData();
            EXPECT_EQ(shown.pixelColor(66, 66).alpha(), 0) << "the last 4 rows stay in place";
        }
        reopen();
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
    }
}

// A reading lets no events run: a second click, a switch or "Exit" that arrives meanwhile comes
// after it, and each reading shows one date with its own moon.
TEST_F(FrmCalendarTest, ClicksSwitchesAndExitArrivingDuringAReadingComeAfterIt) {
    const runtime::DateValue first = makeDate(2016, 7, 19);
    const runtime::DateValue second = makeDate(2016, 7, 5);
    FrmCalendar& w = open();
    choose(w, second);
    const QString secondTip = control(w, "ImgLuna")->toolTip();
    choose(w, first);
    const QString firstTip = control(w, "ImgLuna")->toolTip();
    ASSERT_NE(firstTip, secondTip);

    bool during = false;
    bool reading = false;
    QMetaObject::invokeMethod(
        &w,
        [&] {
            during = reading;
            choose(w, second);
        },
        Qt::QueuedConnection);
    reading = true;
    choose(w, first);
    reading = false;
    EXPECT_EQ(control(w, "ImgLuna")->toolTip(), firstTip);
    QCoreApplication::processEvents();
    EXPECT_FALSE(during);
    EXPECT_EQ(dateText(w), "Tuesday , July 5 of 2016");
    EXPECT_EQ(control(w, "ImgLuna")->toolTip(), secondTip);

    const char* const triggers[] = {"MnuNom", "MnuSal"};
    for (const char* trigger : triggers) {
        FrmCalendar& reader = open();
        QAction* item = reader.findChild<QAction*>(trigger);
        ASSERT_NE(item, nullptr) << trigger;
        QMetaObject::invokeMethod(item, &QAction::trigger, Qt::QueuedConnection);
        choose(reader, first);
        EXPECT_EQ(dateText(reader), "Tuesday , July 19 of 2016") << trigger;
        QCoreApplication::processEvents();
        settle();
        EXPECT_EQ(loaded(), nullptr) << trigger;
        EXPECT_EQ(forms::Forms::instance().isLoaded("FrmName"), trigger == triggers[0]);
        EXPECT_EQ(tray.iconCount(), trigger == triggers[0] ? 1 : 0);
        reopen();
    }
    EXPECT_EQ(programEnds, 1);
}

TEST_F(FrmCalendarTest, ButtonsAndMenuSwitchToTheOtherWindows) {
    for (const char* name : {"FrmCartaDia", "FrmName", "Frmoracle", "frmVelarcana", "frmBio"}) {
        forms::Forms::instance().registerFactory(name, [name] { return new TargetWindow(name); });
    }
    const std::pair<const char*, const char*> cases[] = {
        {"ARButtonHoy", "FrmCartaDia"}, {"ARButtonNom", "FrmName"},
        {"ARButtonOra", "Frmoracle"},   {"ARButtonNum", "frmVelarcana"},
        {"ARButtonBio", "frmBio"},      {"MnuCdia", "FrmCartaDia"},
        {"MnuNom", "FrmName"},          {"MnuOracul", "Frmoracle"},
        {"MnuNum", "frmVelarcana"},     {"MnuBio", "frmBio"},
    };
    for (const auto& [trigger, target] : cases) {
        settings("Background Sound=SiBgSound\r\nIniciar Minimizado=True\r\n");
        sound.played.clear();
        FrmCalendar& w = open();
        if (QString(trigger).startsWith("Mnu")) {
            w.findChild<QAction*>(trigger)->trigger();
        } else {
            control<QPushButton>(w, trigger)->click();
        }
        settle();
        EXPECT_EQ(loaded(), nullptr) << trigger;
        forms::Form* next = forms::Forms::instance().find(target);
        ASSERT_NE(next, nullptr) << trigger;
        EXPECT_TRUE(next->isVisible()) << "shown even when it starts minimised";
        EXPECT_EQ(tray.iconCount(), 1) << trigger;
        EXPECT_EQ(sound.played.size(), 1) << "boop on the real unload";
        reopen();
    }
}

TEST_F(FrmCalendarTest, MinimizeHidesIntoTheTrayAndExitEndsTheProgramSilently) {
    settings("Background Sound=SiBgSound\r\n");
    FrmCalendar& w = open();
    w.CmdSalir_Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(loaded(), &w);
    EXPECT_EQ(tray.iconCount(), 1);

    w.MnuSal->trigger();
    EXPECT_TRUE(forms::Forms::instance().loaded().isEmpty());
    EXPECT_TRUE(shell::shellState().saliendo);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(tray.iconCount(), 0);
    EXPECT_TRUE(sound.played.isEmpty());
}

// The calendar offers the days from the calendar reform to the end of the date type: 15 October
// 1582 to 31 December 9999, the days whose moon is read in the calendar the date is shown in.
TEST_F(FrmCalendarTest, TypedYearsStayWithinTheDaysOffered) {
    const std::pair<const char*, const char*> cases[] = {
        {"100", "Friday , July 1 of 2016"},    {"1581", "Friday , July 1 of 2016"},
        {"-50", "Friday , July 1 of 2016"},    {"1583", "Friday , July 1 of 1583"},
        {"9999", "Thursday , July 1 of 9999"}, {"10000", "Friday , July 1 of 2016"},
    };
    for (const auto& [typed, text] : cases) {
        FrmCalendar& w = open();
        auto* calendar = control<QCalendarWidget>(w, "Calendar1");
        ASSERT_TRUE(typeYear(calendar, typed)) << "the year editor never had the focus";
        ASSERT_TRUE(clickDay(calendar, 1)) << typed;
        EXPECT_EQ(dateText(w), QString(text)) << typed;
        EXPECT_TRUE(namedPhaseText(control(w, "ImgLuna")->toolTip()))
            << typed << ": " << control(w, "ImgLuna")->toolTip().toStdString();
        reopen();
    }
}

TEST_F(FrmCalendarTest, TheFirstAndLastDaysOfferedReadWithTheirPhaseName) {
    struct Case {
        const char* year;
        const char* arrow; // toward the end of the range
        int day;
        QDate date;
        const char* text;
    };
    const Case cases[] = {
        {"1582", "qt_calendar_prevmonth", 15, QDate(1582, 10, 15), "Friday , October 15 of 1582"},
        {"9999", "qt_calendar_nextmonth", 31, QDate(9999, 12, 31), "Friday , December 31 of 9999"},
    };
    for (const Case& c : cases) {
        FrmCalendar& w = open();
        auto* calendar = control<QCalendarWidget>(w, "Calendar1");
        ASSERT_TRUE(typeYear(calendar, c.year));
        ASSERT_TRUE(clickMonthArrow(calendar, c.arrow, 7)); // from July, one month past the end
        EXPECT_EQ(calendar->yearShown(), c.date.year()) << "the calendar stops at the range's end";
        EXPECT_EQ(calendar->monthShown(), c.date.month());
        ASSERT_TRUE(clickDay(calendar, c.day));
        EXPECT_EQ(calendar->selectedDate().toString(Qt::ISODate), c.date.toString(Qt::ISODate));
        EXPECT_EQ(dateText(w), QString(c.text));
        const QString tip = control(w, "ImgLuna")->toolTip();
        EXPECT_TRUE(namedPhaseText(tip)) << c.text << ": " << tip.toStdString();
        reopen();
    }
}

// 15 October 1582 is the first day offered, and shows its own moon: at its noon the mean new moon
// of 27 September (JD 2299142.73) is 18.3 days old, a waning gibbous moon. The days before it
// cannot be chosen, by a click or by the keys.
TEST_F(FrmCalendarTest, TheFirstDayOfferedShowsItsOwnMoonAndNoEarlierDayIsRead) {
    FrmCalendar& w = open();
    auto* calendar = control<QCalendarWidget>(w, "Calendar1");
    ASSERT_TRUE(typeYear(calendar, "1582"));
    ASSERT_EQ(calendar->monthShown(), 10) << "the first month offered";
    ASSERT_TRUE(clickDay(calendar, 15));
    ASSERT_EQ(dateText(w), "Friday , October 15 of 1582");
    const QString tip = control(w, "ImgLuna")->toolTip();
    const QRegularExpressionMatch waning =
        QRegularExpression("^Waning Gibbous: (\\d+)\\.00% of New$").match(tip);
    ASSERT_TRUE(waning.hasMatch()) << tip.toStdString();
    // Noon in universal time, the test's zone; a few minutes of Delta T change nothing here.
    const double dark = 100 - 100 * testing_support::erfaMoonIlluminatedFraction(2299161.0);
    EXPECT_NEAR(waning.captured(1).toDouble(), dark, 1.0) << tip.toStdString();

    // They look like the days of the months around: 4 October like 30 September, unlike 18.
    const QImage drawn = calendar->grab().toImage();
    const QColor notOffered = inkOf(drawn, testing_support::dayCell(calendar, 4));
    EXPECT_LT(colourDistance(notOffered, inkOf(drawn, testing_support::dayCell(calendar, 30, -1))),
              kSameInk);
    EXPECT_GT(colourDistance(notOffered, inkOf(drawn, testing_support::dayCell(calendar, 18))),
              kSameInk);
    for (const int day : {14, 5, 4, 1}) {
        ASSERT_TRUE(clickDay(calendar, day));
        EXPECT_EQ(calendar->selectedDate(), QDate(1582, 10, 15)) << day;
        EXPECT_EQ(dateText(w), "Friday , October 15 of 1582") << day;
        EXPECT_EQ(control(w, "ImgLuna")->toolTip(), tip) << day;
    }
    ASSERT_TRUE(testing_support::pressCalendarKeys(calendar, true, 3));
    ASSERT_TRUE(clickMonthArrow(calendar, "qt_calendar_prevmonth", 2));
    EXPECT_EQ(calendar->selectedDate(), QDate(1582, 10, 15));
    EXPECT_EQ(calendar->monthShown(), 10);
}
