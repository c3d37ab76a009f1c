// The moon detail window beside the Card of the Day window on a real X server with xfwm4
// (tests/support/x11), split into the monitors of VELARCANA_TEST_MONITORS.
#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "moon/FrmMoonPhase.h"
#include "moon/MoonState.h"
#include "readings/FrmCartaDia.h"
#include "readings/ReadingsState.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/TempProgramFolder.h"
#include "support/X11Desktop.h"
#include "support/X11Dock.h"
#include "support/tray/XEmbedTray.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using readings::FrmCartaDia;
using testing_support::X11Dock;

namespace {

constexpr int kLeft = 0, kTop = 1, kRight = 2, kBottom = 3;
constexpr int kPanel = 48;

class X11MoonDetail : public testing_support::X11LayoutTest {
protected:
    void SetUp() override {
        X11LayoutTest::SetUp();
        shell::resetShellState();
        biorhythms::resetBioState();
        moon::resetMoonState();
        readings::resetReadingsState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        app::registerWindows();
    }
    void TearDown() override { close(); }

    static void close() {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The Card of the Day window with its top left corner at a place, as the window manager
    // puts it there.
    static FrmCartaDia& openAt(QPoint place) {
        auto& w = *static_cast<FrmCartaDia*>(forms::Forms::instance().load(FrmCartaDia::kName));
        w.move(place);
        testing_support::placeOnServer(w);
        QTest::qWait(100);
        return w;
    }
    // The real pointer moved over the moon picture, a pixel a move, each move handled before the
    // next.
    static void hoverOver(QLabel& picture, int moves) {
        const QPoint centre = picture.mapToGlobal(picture.rect().center());
        for (int move = 0; move < moves; ++move) {
            EXPECT_TRUE(testing_support::movePointer(centre + QPoint(move, 0)));
            QTest::qWait(20);
        }
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTimeZone utc{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
};

} // namespace

// Low on a monitor, the Card of the Day window would put the moon detail window beside it into
// the monitor's bottom panel: it stands above the panel, wholly on that monitor, on the primary
// and on the other monitor alike.
TEST_F(X11MoonDetail, StandsClearOfThePanelOfTheMonitorThatHoldsIt) {
    for (const QRect& monitor : monitors) {
        const X11Dock panel(monitor, kBottom, kPanel);
        const QRect free = monitor.adjusted(0, 0, 0, -kPanel);
        FrmCartaDia& w = openAt(monitor.topLeft() + QPoint(200, monitor.height() - 420));
        auto* picture = w.findChild<QLabel*>(QStringLiteral("ImgLuna"));
        ASSERT_NE(picture, nullptr);
        hoverOver(*picture, 6);
        auto* detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
        ASSERT_NE(detail, nullptr) << monitor;
        ASSERT_TRUE(detail->isVisible()) << monitor;
        const int naturalBottom =
            w.y() + static_cast<int>(std::lround(1.7 * detail->height())) + detail->height() - 1;
        ASSERT_GT(naturalBottom, free.bottom())
            << monitor << ": beside the window at " << w.pos() << " it would reach the panel";
        const QRect placed = testing_support::placeOnServer(*detail);
        EXPECT_TRUE(free.contains(placed)) << monitor << ": " << placed;
        EXPECT_EQ(placed.bottom(), free.bottom()) << monitor << ": as low as the panel lets it";
        close();
    }
}

// Whether a monitor's edge is the one it shares with the other monitor.
bool sharedEdge(const QRect& monitor, int edge, const QRect& other) {
    switch (edge) {
    case kLeft:
        return other.right() + 1 == monitor.left();
    case kTop:
        return other.bottom() + 1 == monitor.top();
    case kRight:
        return monitor.right() + 1 == other.left();
    default:
        return monitor.bottom() + 1 == other.top();
    }
}

// The window manager's work area is one rectangle across the desktop: a panel on the other monitor
// cuts it for the primary one as well. Beside the Card of the Day window at the bottom left corner
// of the primary monitor, the detail window stays in that corner whatever panel the other monitor
// has along its outer edges (one along the edge between the two the window manager itself keeps
// every window clear of).
TEST_F(X11MoonDetail, APanelOnTheOtherMonitorLeavesItBesideTheWindow) {
    ASSERT_EQ(monitors.size(), 2U);
    const QRect other = monitors[1];
    for (const int edge : {kLeft, kTop, kRight, kBottom}) {
        if (sharedEdge(other, edge, primary)) {
            continue;
        }
        const X11Dock panel(other, edge, kPanel);
        FrmCartaDia& w = openAt(primary.bottomLeft() + QPoint(80, -474));
        auto* picture = w.findChild<QLabel*>(QStringLiteral("ImgLuna"));
        ASSERT_NE(picture, nullptr);
        hoverOver(*picture, 6);
        auto* detail = forms::Forms::instance().findForm<moon::FrmMoonPhase>();
        ASSERT_NE(detail, nullptr) << edge;
        const QPoint beside(w.x() - picture->width(),
                            w.y() + static_cast<int>(std::lround(1.7 * detail->height())));
        ASSERT_TRUE(primary.contains(beside)) << beside;
        const QPoint last =
            primary.bottomRight() + QPoint(1, 1) - QPoint(detail->width(), detail->height());
        const QPoint expected(std::min(beside.x(), last.x()), std::min(beside.y(), last.y()));
        EXPECT_EQ(testing_support::placeOnServer(*detail).topLeft(), expected)
            << "beside the window at " << w.pos() << ", a panel at edge " << edge << " of "
            << other;
        close();
    }
}
