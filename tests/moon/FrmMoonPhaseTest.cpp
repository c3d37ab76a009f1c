#include "moon/FrmMoonPhase.h"

#include "forms/Forms.h"
#include "moon/MoonState.h"
#include "runtime/SystemFormats.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/ReferenceCsv.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using moon::FrmMoonPhase;
using testing_support::isoInstant;

namespace {

// USNO phase instants (universal time) of 2020, by phase: 0 new, 1 first quarter, 2 full,
// 3 last quarter.
std::multimap<int, runtime::DateValue> phases2020() {
    std::multimap<int, runtime::DateValue> phases;
    for (const QStringList& row : testing_support::readReferenceCsv("moon_phases_usno.csv")) {
        if (row.size() == 2 && row[1].startsWith("2020-")) {
            phases.emplace(row[0].toInt(), isoInstant(row[1]));
        }
    }
    return phases;
}

runtime::DateValue usno(const char* instant) {
    return isoInstant(QString::fromLatin1(instant));
}

double secondsApart(runtime::DateValue a, runtime::DateValue b) {
    return std::abs(runtime::toLinearDays(a) - runtime::toLinearDays(b)) * runtime::kSecondsPerDay;
}

// The program shows Meeus' instants (dynamical time) as universal time: about 70 s from USNO in
// 2020, plus USNO's rounding to the minute.
constexpr double kPhaseToleranceSeconds = 150;

} // namespace

class FrmMoonPhaseTest : public testing::Test {
protected:
    void SetUp() override {
        moon::resetMoonState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FrmMoonPhase& openAt(runtime::DateValue universal) {
        clock.set(universal);
        return *forms::Forms::instance().get<FrmMoonPhase>();
    }
    static QString text(FrmMoonPhase& w, const char* label) {
        const auto* found = w.findChild<QLabel*>(QString::fromLatin1(label));
        EXPECT_NE(found, nullptr) << label;
        return found ? found->text() : QString();
    }
    // The date of the line that starts with `what`, read back from its general date text.
    static runtime::DateValue lineDate(FrmMoonPhase& w, const QString& what) {
        for (const QString& line : text(w, "LabelInfo").split('\n')) {
            if (line.startsWith(what)) {
                EXPECT_TRUE(line.endsWith(" UT")) << line.toStdString();
                const QString date = line.mid(what.size()).chopped(3);
                return runtime::dateFromText(date).value_or(0.0);
            }
        }
        ADD_FAILURE() << "no line " << what.toStdString();
        return 0.0;
    }

    testing_support::FakeTimeZone utc{0, 0, 0};
    testing_support::FakeClock clock{0.0};
};

TEST_F(FrmMoonPhaseTest, SummaryNamesThePrincipalPhases) {
    const std::map<int, const char*> names = {
        {0, "New Moon"}, {1, "First Quarter"}, {2, "Full Moon"}, {3, "Last Quarter"}};
    const auto phases = phases2020();
    ASSERT_FALSE(phases.empty());
    for (const auto& [phase, name] : names) {
        const runtime::DateValue at = phases.find(phase)->second;
        FrmMoonPhase& w = openAt(at);
        EXPECT_EQ(text(w, "LabelResum"), name) << runtime::generalDateText(at).toStdString();
        forms::Forms::instance().reset();
    }
}

TEST_F(FrmMoonPhaseTest, SummaryBetweenThePhasesCountsFromFullOrFromNew) {
    struct Case {
        double fraction; // NASA's illuminated fraction at an hour of 2020-2022
        bool waxing;
        const char* summary;
    };
    const Case cases[] = {
        {0.370, true, "Moon Waxing Crescent: 37% from Full"},
        {0.800, true, "Moon Waxing Gibbous: 80% from Full"},
        {0.750, false, "Moon Waning Gibbous: 25% from New"},
        {0.200, false, "Moon Wanning Crescent: 80% from New"},
    };
    const auto rows = testing_support::readReferenceCsv("moon_illum_age_nasa_svs_2020_2022.csv");
    ASSERT_FALSE(rows.empty());
    for (const Case& c : cases) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const QStringList& r) {
            const double age = r[2].toDouble();
            return std::abs(r[1].toDouble() - c.fraction) < 0.0003 &&
                   (c.waxing ? age < 13.0 : age > 16.5);
        });
        ASSERT_NE(row, rows.end()) << c.summary;
        FrmMoonPhase& w = openAt(isoInstant((*row)[0]));
        EXPECT_EQ(text(w, "LabelResum"), c.summary) << (*row)[0].toStdString();
        forms::Forms::instance().reset();
    }
}

TEST_F(FrmMoonPhaseTest, ShowsIlluminationAgeAndTheNextFourPhases) {
    FrmMoonPhase& w = openAt(usno("2020-01-01T00:00:00Z"));
    const QRegularExpression detail(
        "^Illumination: (0\\.\\d{7})    \\(0 <----> 1\\)\nAge of Moon: (\\d+\\.\\d{7}) days$");
    const auto match = detail.match(text(w, "LabelDetall"));
    ASSERT_TRUE(match.hasMatch()) << text(w, "LabelDetall").toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), 0.2995, 0.004) << "NASA at that hour";
    EXPECT_NEAR(match.captured(2).toDouble(), 5.783, 0.01);
    EXPECT_EQ(w.findChild<QLabel*>("LabelDetall")->toolTip(),
              "Click para seleccionar entre siguiente y anterior");

    EXPECT_EQ(text(w, "LabelInfo").split('\n').size(), 4);
    const std::pair<const char*, const char*> next[] = {
        {"Next Full Moon: ", "2020-01-10T19:21:00Z"},
        {"Next New Moon: ", "2020-01-24T21:42:00Z"},
        {"Next First Quarter: ", "2020-01-03T04:45:00Z"},
        {"Next Last Quarter: ", "2020-01-17T12:58:00Z"},
    };
    for (const auto& [what, when] : next) {
        EXPECT_LT(secondsApart(lineDate(w, what), usno(when)), kPhaseToleranceSeconds) << what;
    }
    EXPECT_EQ(text(w, "LabelAd"), "(Click on the Moon to see previous)");
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), FrmMoonPhase::kRefreshMs);
}

TEST_F(FrmMoonPhaseTest, PreviousViewLeavesOutThePhasesOfTheLastDayAndASecondClickReturns) {
    // Ten hours after the full moon of 9 February 2020.
    FrmMoonPhase& w = openAt(runtime::addMinutes(usno("2020-02-09T07:33:00Z"), 600));
    w.LabelDetall_Click();
    EXPECT_EQ(text(w, "LabelAd"), "(Click on the Moon to see next)");
    const std::pair<const char*, const char*> previous[] = {
        {"Previous Full Moon: ", "2020-01-10T19:21:00Z"},
        {"Previous New Moon: ", "2020-01-24T21:42:00Z"},
        {"Previous First Quarter: ", "2020-02-02T01:42:00Z"},
        {"Previous Last Quarter: ", "2020-01-17T12:58:00Z"},
    };
    for (const auto& [what, when] : previous) {
        EXPECT_LT(secondsApart(lineDate(w, what), usno(when)), kPhaseToleranceSeconds) << what;
    }
    clock.set(runtime::addMinutes(clock.now(), 60));
    w.Timer1_Timer();
    EXPECT_TRUE(text(w, "LabelInfo").startsWith("Previous Full Moon: ")) << "kept by redraws";

    w.LabelDetall_Click();
    EXPECT_EQ(text(w, "LabelAd"), "(Click on the Moon to see previous)");
    EXPECT_LT(secondsApart(lineDate(w, "Next Full Moon: "), usno("2020-03-09T17:48:00Z")),
              kPhaseToleranceSeconds);
}

TEST_F(FrmMoonPhaseTest, RedrawsForTheNewInstantEverySecond) {
    FrmMoonPhase& w = openAt(usno("2020-01-01T00:00:00Z"));
    const auto ageIn = [&] {
        const QString detail = text(w, "LabelDetall");
        return detail.section("Age of Moon: ", 1).section(' ', 0, 0).toDouble();
    };
    const double before = ageIn();
    clock.set(usno("2020-01-01T06:00:00Z"));
    w.Timer1_Timer();
    EXPECT_NEAR(ageIn() - before, 0.25, 1e-6);
}

TEST_F(FrmMoonPhaseTest, APointerMoveOverTheWindowClosesItButNotOverItsTexts) {
    FrmMoonPhase& w = openAt(usno("2020-01-01T00:00:00Z"));
    w.show();
    const auto moveAt = [](QWidget* target, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    };
    moveAt(w.findChild<QLabel*>("LabelInfo"), QPoint(5, 5));
    EXPECT_TRUE(forms::Forms::instance().isLoaded(FrmMoonPhase::kName));
    moveAt(&w, QPoint(2, 2));
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FrmMoonPhase::kName));
}

// A pointer move that reaches the window while it redraws closes it once the redraw is done;
// the redraw never writes to a closed window, and the next use loads it anew.
TEST_F(FrmMoonPhaseTest, APointerMoveArrivingDuringARedrawClosesItAfterTheRedraw) {
    FrmMoonPhase& w = openAt(usno("2020-01-01T00:00:00Z"));
    w.show();
    const QString before = text(w, "LabelDetall");
    const QPointF at(2, 2);
    QCoreApplication::postEvent(&w, new QMouseEvent(QEvent::MouseMove, at, w.mapToGlobal(at),
                                                    Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    clock.set(usno("2020-01-01T06:00:00Z"));
    w.Timer1_Timer();
    EXPECT_NE(text(w, "LabelDetall"), before) << "redrawn for 06:00";
    EXPECT_TRUE(forms::Forms::instance().isLoaded(FrmMoonPhase::kName));
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FrmMoonPhase::kName));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    FrmMoonPhase& again = openAt(usno("2020-01-02T00:00:00Z"));
    again.Timer1_Timer();
    EXPECT_EQ(text(again, "LabelAd"), "(Click on the Moon to see previous)");
}

TEST_F(FrmMoonPhaseTest, AnUnloadArrivingDuringItsFirstLoadComesAfterTheLoad) {
    clock.set(usno("2020-01-01T00:00:00Z"));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] { forms::Forms::instance().unload(QString::fromLatin1(FrmMoonPhase::kName)); },
        Qt::QueuedConnection);
    FrmMoonPhase* w = forms::Forms::instance().get<FrmMoonPhase>();
    ASSERT_NE(w, nullptr) << "its load lets no events run";
    EXPECT_EQ(text(*w, "LabelInfo").split('\n').size(), 4);
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FrmMoonPhase::kName));
}
