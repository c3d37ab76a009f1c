// The tray layer on a real XEmbed tray (trayer on a private X server), under the program's own
// windows: the icon docks, the real pointer over any pixel of it reaches the hover code, resting
// on its outermost pixels shows the balloon with its title over the date and the four lines,
// sounded unless the silent mode is on, and one pixel past them shows none; leaving takes the
// balloon away at once; a right click opens the window's tray menu and nothing else, a left
// click brings the window back, and after the tray has been killed and started again the icon
// is back and hovering works again.
#include "platform/NotifyIcon.h"
#include "shell/ctxSysTray.h"
#include "support/tray/ProgramInTray.h"
#include "support/tray/XEmbedTray.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;

namespace {

// Off the tray and every window of the program.
const QPoint kAway(640, 500);
// How long the icon keeps its place before the tray counts as laid out.
constexpr int kLayoutSettledMs = 300;

// How long the balloon may stay once the pointer has left: the hover tick sees it leave within a
// tenth of a second. A balloon that the code forgets is taken away only by Qt, after the time
// the code hands it, which must be well past every wait here.
constexpr int kBalloonGoesMs = 2500;
// One visit rests this long to see that Qt keeps the balloon up at least so long; every other
// balloon must be gone within it.
constexpr int kBalloonRestMs = 2 * kBalloonGoesMs;
static_assert(kBalloonRestMs + kBalloonGoesMs <= platform::kBalloonTimeoutMs);

// Qt's balloon for the tray icon, when one is up.
QWidget* balloon() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->inherits("QBalloonTip") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The texts of the balloon from its top down: its title, then its text.
QStringList balloonTexts(QWidget* tip) {
    QList<const QLabel*> labels;
    for (const QLabel* label : tip->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            labels << label;
        }
    }
    std::sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return a->mapToGlobal(QPoint()).y() < b->mapToGlobal(QPoint()).y();
    });
    QStringList texts;
    for (const QLabel* label : labels) {
        texts << label->text();
    }
    return texts;
}

// What the balloon shows at the test's clock, for a birth on 1 March 1980 at midnight: its title,
// then the date line and the four lines, worked out by hand.
void expectTheTip(const QStringList& texts) {
    ASSERT_EQ(texts.size(), 2) << texts.join(" | ").toStdString();
    EXPECT_EQ(texts.at(0), "Velarcana by Quenlor");
    EXPECT_EQ(texts.at(1).split(QLatin1Char('\n')),
              (QStringList{
                  // 26 May 2021 is a Wednesday, Mercury's day.
                  "5/26/2021 (Mercury)",
                  // 5+2+6+2+0+2+1 = 18.
                  "Card of Day: XVIII. The Moon",
                  // Inside the period of the Gemini file.
                  "Zodiac Sign: Gemini",
                  // 15061 days after the birth date, at 10:30: t = 15061 - 1 + 1440/1440 +
                  // 630/1440 = 15061.4375; sin(6.28318 t / P) for P = 23, 28, 33, 38 is
                  // -0.828647, -0.546248, 0.552634, 0.796719, their mean -0.0063857; an hour
                  // later -0.0055184, rising.
                  "Biorhythms (avg.): -0.64 % (>)",
                  // NASA SVS has it 0.9999 lit at 10:00 UT and 1.0000 at 11:00 (the eclipse);
                  // the program keeps within 0.004 of that, above 99.5 %.
                  "Moon Phase: FULL (=)",
              }));
}

int visibleMenus() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += qobject_cast<QMenu*>(window) && window->isVisible() ? 1 : 0;
    }
    return count;
}

} // namespace

class XEmbedTrayTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tray.ready()) << "trayer did not take the tray";
        // The sun's stay in Gemini in 2021, as the program folder's period files give it.
        program.folder.write("fechas-db/geminis.txt",
                             "2021/05/20 19:37:00 - 2021/06/21 03:31:59\r\n");
        window = program.start();
        ASSERT_NE(window, nullptr);
        QObject::connect(window->ctxSysTray1, &shell::ctxSysTray::MouseMouse,
                         [this](float, float) { ++moves; });
        ASSERT_TRUE(iconDocked()) << "the icon did not dock";
    }

    // Waits until the icon's window is docked in the tray and shown, and the tray has done
    // laying it out (a busy trayer first maps it at its corner); keeps its rectangle as the X
    // server has it.
    bool iconDocked() {
        QElapsedTimer settled;
        settled.start();
        iconRect = QRect();
        return QTest::qWaitFor(
            [&] {
                QWidget* icon = trayIconWindow();
                const XWindowInfo info = icon ? xWindowInfo(icon->winId()) : XWindowInfo();
                if (!info.viewable || !info.embedded || info.rect.isEmpty() ||
                    info.rect != iconRect) {
                    iconRect = info.rect;
                    settled.start();
                    return false;
                }
                return settled.elapsed() >= kLayoutSettledMs;
            },
            kDesktopDeadlineMs);
    }

    // The pointer comes from off the icon onto a point of it; true once the hover code has seen
    // the move.
    bool hoverReaches(QPoint point) {
        const int before = moves;
        return movePointer(kAway) && movePointer(point) &&
               QTest::qWaitFor([&] { return moves > before; }, kDesktopDeadlineMs);
    }

    // Resting on the icon at a point shows the balloon with the tooltip lines; it stays while the
    // pointer rests there `restMs` more.
    void expectBalloonWhileResting(QPoint point, int restMs = 0) {
        restedMs = restMs;
        ASSERT_TRUE(hoverReaches(point)) << point.x() << "," << point.y();
        ASSERT_TRUE(QTest::qWaitFor([] { return balloon() != nullptr; }, kDesktopDeadlineMs))
            << "no balloon after resting on the icon";
        shown.start();
        expectTheTip(balloonTexts(balloon()));
        QTest::qWait(restMs);
        EXPECT_NE(balloon(), nullptr) << "the balloon went while the pointer rested on the icon";
    }

    // The pointer comes onto the icon's pixel `last` and, once the hover code has seen it, steps
    // on to `past`, off the icon: resting there brings no balloon. One that came while the step
    // was slow is gone within the rest; one for the pixel past would stay for Qt's whole timeout.
    void expectNoBalloonPast(QPoint last, QPoint past) {
        ASSERT_TRUE(hoverReaches(last)) << last.x() << "," << last.y();
        ASSERT_TRUE(movePointer(past)) << past.x() << "," << past.y();
        QTest::qWait(kBalloonGoesMs);
        EXPECT_EQ(balloon(), nullptr)
            << "a balloon with the pointer at " << past.x() << "," << past.y() << ", past the icon";
    }

    // The pointer leaves the balloon's icon: the balloon goes at once, long before Qt would take
    // it away by itself, and the hover ends.
    void expectBalloonGoesOnLeaving() {
        ASSERT_TRUE(movePointer(kAway));
        EXPECT_TRUE(QTest::qWaitFor([] { return balloon() == nullptr; }, kBalloonGoesMs))
            << "the balloon stayed after the pointer left";
        if (restedMs == 0) {
            EXPECT_LT(shown.elapsed(), kBalloonRestMs) << "Qt may have taken the balloon away";
        }
        const shell::ctxSysTray& control = *window->ctxSysTray1;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !control.TimerTooltip->isActive(); }, kDesktopDeadlineMs));
    }

    Trayer tray; // up before the program starts, as a desktop's panel is
    // The morning of a total eclipse of the moon (universal time is the local time).
    ProgramInTray program{runtime::makeDateTime({2021, 5, 26, 10, 30, 0})};
    shell::ModuleForm* window = nullptr;
    QRect iconRect;
    int moves = 0;
    QElapsedTimer shown; // since the last balloon came
    int restedMs = 0;    // how long the pointer rested on the icon after it
};

TEST_F(XEmbedTrayTest, EveryPartOfTheIconReachesTheHoverCode) {
    // No tip may come up over the icon while the pointer goes round it.
    shell::shellState().desactivarTooltips = "ToolTips off";
    const QRect r = iconRect;
    const QPoint points[] = {
        r.topLeft(),
        r.topRight(),
        r.bottomLeft(),
        r.bottomRight(),
        r.center(),
        QPoint(r.center().x(), r.top()),
        QPoint(r.center().x(), r.bottom()),
        QPoint(r.left(), r.center().y()),
        QPoint(r.right(), r.center().y()),
    };
    for (const QPoint& point : points) {
        EXPECT_TRUE(hoverReaches(point)) << point.x() << "," << point.y() << " of " << r.x() << ","
                                         << r.y() << " " << r.width() << "x" << r.height();
    }
}

// The icon as trayer placed it (its X window) is what the user meets: its last row, column and
// corner bring the balloon, the first ones past them do not.
TEST_F(XEmbedTrayTest, TheBalloonComesOnTheIconsOutermostPixelsAndNotPastThem) {
    const QRect r = iconRect;
    const QPoint mid = r.center();
    const struct {
        const char* edge;
        QPoint last;
        QPoint past;
    } cases[] = {
        {"bottom", {mid.x(), r.bottom()}, {mid.x(), r.bottom() + 1}},
        {"right", {r.right(), mid.y()}, {r.right() + 1, mid.y()}},
        {"top", {mid.x(), r.top()}, {mid.x(), r.top() - 1}},
        {"left", {r.left(), mid.y()}, {r.left() - 1, mid.y()}},
        {"bottom right", r.bottomRight(), r.bottomRight() + QPoint(1, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        expectBalloonWhileResting(c.last);
        expectBalloonGoesOnLeaving();
        expectNoBalloonPast(c.last, c.past);
    }
}

TEST_F(XEmbedTrayTest, TheBalloonStaysWhileThePointerRestsAndSoundsUnlessSilent) {
    // Qt keeps the balloon up past every wait of these tests.
    expectBalloonWhileResting(iconRect.center(), kBalloonRestMs);
    expectBalloonGoesOnLeaving();
    EXPECT_EQ(program.eventSounds.played, QStringList{"dialog-information"});

    const struct {
        const char* modoSilencioso;
        QStringList sounds;
    } cases[] = {{"mudo", {}}, {"nomudo", {"dialog-information"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modoSilencioso);
        shell::shellState().modoSilencioso = c.modoSilencioso;
        program.eventSounds.played.clear();
        expectBalloonWhileResting(iconRect.center());
        expectBalloonGoesOnLeaving();
        EXPECT_EQ(program.eventSounds.played, c.sounds);
    }
}

TEST_F(XEmbedTrayTest, ARightClickOpensTheTrayMenuAloneALeftClickBringsTheWindowBack) {
    ASSERT_TRUE(movePointer(kAway));
    ASSERT_TRUE(clickAt(iconRect.center(), 3));
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return QApplication::activePopupWidget() == window->MnuIcon; },
                        kDesktopDeadlineMs))
        << "the tray menu did not open";
    // Qt opens a menu of the icon's own in the same press, before the window's one.
    EXPECT_EQ(visibleMenus(), 1);
    EXPECT_EQ(balloon(), nullptr);
    EXPECT_TRUE(shell::shellState().tooltipCerrado);
    window->MnuIcon->hide();

    ASSERT_FALSE(window->isVisible());
    ASSERT_TRUE(clickAt(iconRect.center(), 1));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }, kDesktopDeadlineMs))
        << "the window did not come back";
    EXPECT_EQ(window->windowStateCode(), forms::vbNormal);
}

TEST_F(XEmbedTrayTest, AfterTheTrayRestartsTheIconIsBackAndHoveringWorks) {
    ASSERT_TRUE(hoverReaches(iconRect.center()));
    ASSERT_TRUE(movePointer(kAway));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->ctxSysTray1->TimerTooltip->isActive(); },
                                kDesktopDeadlineMs));

    ASSERT_TRUE(tray.restart()) << "trayer did not take the tray again";
    ASSERT_TRUE(iconDocked()) << "the icon did not come back";
    expectBalloonWhileResting(iconRect.center());
    expectBalloonGoesOnLeaving();
}
