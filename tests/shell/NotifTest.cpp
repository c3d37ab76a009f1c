#include "shell/Notif.h"

#include "forms/Forms.h"
#include "platform/ScreenMetrics.h"
#include "shell/FrmTimer.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeScreen.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shell;
using forms::Forms;

class NotifTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        Notif::setSlideDuration(0);
    }
    void TearDown() override {
        Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Notif::setSlideDuration(Notif::kDefaultSlideMs);
    }

    // A sender: the text, then the window shown (its load slides it in).
    Notif& notice(const QString& text) {
        shellState().textoNotif = text;
        Notif& n = *Forms::instance().get<Notif>();
        n.Show();
        return n;
    }
    static float upTop(float height) {
        return Notif::screenHeightTwips() - height - Notif::kBottomGapTwips;
    }
    static float downTop(float height) { return height + Notif::screenHeightTwips(); }
    static QString text(const Notif& n) { return n.findChild<QLabel*>("mTexto")->text(); }
    static void clickClose(Notif& n) {
        QLabel* close = n.findChild<QLabel*>("Image1");
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                            close->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(close, &release);
    }

    testing_support::TempProgramFolder folder;
};

TEST_F(NotifTest, HeightFollowsTheTextLength) {
    const std::pair<int, int> cases[] = {{149, 1800}, {150, 2670}, {265, 2670}, {266, 3650}};
    for (const auto& [length, height] : cases) {
        Notif& n = notice(QString(length, QLatin1Char('x')));
        EXPECT_EQ(n.heightTwips(), height) << length;
        EXPECT_TRUE(shellState().notifVisible);
        EXPECT_EQ(n.topTwips(), upTop(height)) << length;
        // The picture for the length is the one shown.
        const QLabel* shown = n.findChild<QLabel*>("Picture1");
        EXPECT_EQ(shown->height(), qRound(height / 15.0)) << length;
        n.Image1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(NotifTest, RestsAtTheBottomRightOfTheScreen) {
    Notif& n = notice("Welcome to Velarcana, change the birth date to calculate biorhythms.");
    EXPECT_EQ(n.leftTwips() + Notif::kWidthTwips, Notif::screenWidthTwips() - 500);
    EXPECT_EQ(n.topTwips() + n.heightTwips(), Notif::screenHeightTwips() - 435);
    EXPECT_TRUE(n.isVisible());
    EXPECT_EQ(text(n), "Welcome to Velarcana, change the birth date to calculate biorhythms.");
    // The window itself stands there, to the pixel.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(n.geometry().right() + 1, screen.right() + 1 - qRound(500 / 15.0));
    EXPECT_EQ(n.geometry().bottom() + 1, screen.bottom() + 1 - qRound(435 / 15.0));
}

// A panel at the bottom taller than the 435 twips would hide the notice's lower part: the
// notice then rests on the panel's top instead.
TEST_F(NotifTest, RestsAboveAPanelTallerThanItsGap) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int usual = qRound(435 / 15.0);
    const std::pair<int, int> cases[] = {{0, usual}, {20, usual}, {31, 31}, {64, 64}};
    testing_support::FakeScreen fake(3);
    for (const auto& [panel, gap] : cases) {
        fake.setGeometry(screen, screen.adjusted(0, 0, 0, -panel));
        Notif& n = notice("Welcome to Velarcana, change the birth date to calculate biorhythms.");
        EXPECT_EQ(n.geometry().bottom() + 1, screen.bottom() + 1 - gap) << panel;
        EXPECT_EQ(n.topTwips() + n.heightTwips(),
                  Notif::screenHeightTwips() - std::max(435, panel * 15))
            << panel;
        n.Image1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(NotifTest, ClickOnTheClosePictureSlidesItAwayAndUnloadsIt) {
    Notif& n = notice("A notice");
    clickClose(n);
    EXPECT_FALSE(shellState().notifVisible);
    EXPECT_FALSE(Forms::instance().isLoaded(Notif::kName));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Notif& again = notice("The next notice");
    EXPECT_EQ(again.topTwips(), upTop(1800)); // from below the screen again
    EXPECT_EQ(text(again), "The next notice");
}

TEST_F(NotifTest, ASlideInWhileANoticeIsUpOnlyTakesTheOldOneAway) {
    Notif& n = notice("Old notice");
    shellState().textoNotif = QString(300, QLatin1Char('y'));
    n.SlideForm(Notif::SlideIn);
    EXPECT_FALSE(shellState().notifVisible);
    EXPECT_EQ(n.topTwips(), downTop(1800));
    EXPECT_EQ(text(n), "Old notice");
    EXPECT_FALSE(n.isVisible());

    n.SlideForm(Notif::SlideIn); // now it is down: the new text comes up
    EXPECT_TRUE(shellState().notifVisible);
    EXPECT_EQ(n.heightTwips(), 3650);
    EXPECT_EQ(n.topTwips(), upTop(3650));
}

TEST_F(NotifTest, ASlideOutOfANoticeThatIsNotUpGoesDownFromWhereItIs) {
    Notif& n = notice("Up");
    shellState().notifVisible = false; // cleared by a sender that replaces it
    n.SlideForm(Notif::SlideOut);
    EXPECT_EQ(n.topTwips(), downTop(1800));
    EXPECT_FALSE(shellState().notifVisible);
    EXPECT_TRUE(n.isLoaded());
}

TEST_F(NotifTest, EventsRunDuringTheSlideAndSeeTheNoticeNotYetUp) {
    int runs = 0;
    bool upDuringSlide = true;
    QTimer::singleShot(0, [&] {
        ++runs;
        upDuringSlide = shellState().notifVisible;
    });
    notice("Sliding");
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(upDuringSlide);
    EXPECT_TRUE(shellState().notifVisible);
}

TEST_F(NotifTest, ANoticeClosedWhileSlidingInDoesNotComeBackAsUp) {
    QTimer::singleShot(0, [] { Forms::instance().findForm<Notif>()->Image1_Click(); });
    shellState().textoNotif = "Closed at once";
    EXPECT_EQ(Forms::instance().get<Notif>(), nullptr) << "gone before its load ended";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shellState().notifVisible);
    EXPECT_FALSE(Forms::instance().isLoaded(Notif::kName));
}

TEST_F(NotifTest, TimedSlidesStillEndExactlyAtTheirStop) {
    Notif::setSlideDuration(40);
    Notif& n = notice(QString(200, QLatin1Char('z')));
    EXPECT_EQ(n.topTwips(), upTop(2670));
    n.SlideForm(Notif::SlideOut);
    EXPECT_EQ(n.topTwips(), downTop(2670));
}

class NoticeGuardTest : public NotifTest {
protected:
    testing_support::FakeClock clock{runtime::makeDateTime({2024, 3, 20, 10, 0, 0})};
};

TEST_F(NoticeGuardTest, ANoticeUpFor30SecondsSlidesAway) {
    FrmTimer& timer = *Forms::instance().get<FrmTimer>();
    Notif& n = notice("Biorhythm alert");
    for (int second = 1; second < 30; ++second) {
        timer.TimeUp_Timer();
    }
    EXPECT_TRUE(shellState().notifVisible);
    EXPECT_EQ(timer.ticksNotif, 29);
    timer.TimeUp_Timer();
    EXPECT_FALSE(shellState().notifVisible);
    EXPECT_EQ(timer.ticksNotif, 0);
    EXPECT_EQ(n.topTwips(), downTop(1800));
    EXPECT_TRUE(n.isLoaded());
}

TEST_F(NoticeGuardTest, ANoticeClosedEarlierResetsTheCount) {
    FrmTimer& timer = *Forms::instance().get<FrmTimer>();
    Notif& n = notice("Closed early");
    for (int second = 0; second < 10; ++second) {
        timer.TimeUp_Timer();
    }
    n.Image1_Click();
    timer.TimeUp_Timer();
    EXPECT_EQ(timer.ticksNotif, 0);
    notice("Next");
    for (int second = 1; second < 30; ++second) {
        timer.TimeUp_Timer();
    }
    EXPECT_TRUE(shellState().notifVisible);
}
