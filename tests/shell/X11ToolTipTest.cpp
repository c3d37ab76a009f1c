// The personal tooltip window on a real X server with xfwm4 (tests/support/x11), split into the
// monitors of VELARCANA_TEST_MONITORS, the primary one first: wherever the primary monitor lies on
// the desktop, the window opens over the pointer on the primary's bottom panel.
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "platform/ScreenMetrics.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmToolTip.h"
#include "shell/ShellState.h"
#include "shell/TaskBarPosition.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/TempProgramFolder.h"
#include "support/X11Desktop.h"
#include "support/X11Dock.h"
#include "support/tray/XEmbedTray.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using shell::FrmToolTip;
using shell::shellState;
using testing_support::X11Dock;

namespace {

constexpr int kBottom = 3;
constexpr int kPanel = 30;
constexpr int kHiddenPanel = 3; // what an autohiding panel keeps of itself on the screen

class X11ToolTip : public testing_support::X11LayoutTest {
protected:
    void SetUp() override {
        X11LayoutTest::SetUp();
        ASSERT_EQ(platform::twipsPerPixelX(), 15.0);
        ASSERT_EQ(platform::twipsPerPixelY(), 15.0);
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { close(); }

    // The pointer really moved to a place on the primary monitor (its own coordinates), the
    // taskbar asked as the tray icon asks it on a hover, and the tooltip window loaded.
    FrmToolTip& hoverAt(QPoint onPrimary) {
        close();
        shell::resetShellState();
        biorhythms::resetBioState();
        shellState().tooltipCerrado = true;
        EXPECT_TRUE(testing_support::movePointer(primary.topLeft() + onPrimary));
        shell::GetTaskBarPosition();
        shellState().barraAbajo = shellState().posicionBarra == kBottom;
        return *forms::Forms::instance().get<FrmToolTip>();
    }
    static void close() {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTimeZone utc{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
};

} // namespace

// The tray icon at the right end of the panel, in its middle and at its left end.
TEST_F(X11ToolTip, OpensOverThePointerAboveTheBottomPanelOfThePrimaryMonitor) {
    const X11Dock panel(primary, kBottom, kPanel);
    // 2150 twips above the primary's bottom edge, in its own rows.
    const int top =
        primary.top() + static_cast<int>(std::lround(
                            (primary.height() * 15.0 - FrmToolTip::kTopFromBottomTwips) / 15.0));
    const int row = primary.height() - kPanel / 2;
    for (const int column : {primary.width() - 10, primary.width() / 2, 4}) {
        const QPoint pointer = primary.topLeft() + QPoint(column, row);
        FrmToolTip& tip = hoverAt(QPoint(column, row));
        ASSERT_TRUE(tip.isVisible()) << column;
        const QRect placed = testing_support::placeOnServer(tip);
        EXPECT_TRUE(primary.contains(placed)) << column << ": " << placed;
        EXPECT_EQ(placed.top(), top) << column;
        EXPECT_LT(placed.bottom(), primary.bottom() - kPanel) << "above the panel";
        EXPECT_GE(pointer.x(), placed.left()) << column << ": " << placed;
        EXPECT_LE(pointer.x(), placed.right()) << column << ": " << placed;
        const int centred = std::clamp(pointer.x() - placed.width() / 2, primary.left(),
                                       primary.right() + 1 - placed.width());
        EXPECT_NEAR(placed.left(), centred, 1) << column;
    }
}

// The pointer is on the taskbar below 95 % of the primary's own height: on a monitor 800 pixels
// (12000 twips) high that is 11400 twips, its row 760; the pointer there or above is not on it.
// An autohiding panel is the taskbar as well.
TEST_F(X11ToolTip, OpensOnlyBelowNinetyFivePercentOfThePrimaryMonitorsHeight) {
    ASSERT_EQ(primary.height(), 800);
    for (const bool hidden : {false, true}) {
        const X11Dock panel(primary, kBottom, hidden ? kHiddenPanel : kPanel,
                            hidden ? X11Dock::Reserve::Nothing : X11Dock::Reserve::Partial);
        const std::pair<int, bool> rows[] = {
            {400, false}, {759, false}, {760, false}, {761, true}, {799, true}};
        for (const auto& [row, opens] : rows) {
            FrmToolTip& tip = hoverAt(QPoint(primary.width() / 2, row));
            EXPECT_EQ(tip.isVisible(), opens) << row << (hidden ? " hidden panel" : "");
        }
    }
}
