// Runs on a real X server with xfwm4 (tests/support/x11), split into the monitors of
// VELARCANA_TEST_MONITORS, the primary one first.
#include "forms/Forms.h"
#include "platform/IniFile.h"
#include "platform/ScreenMetrics.h"
#include "platform/TaskbarEdge.h"
#include "runtime/MessageBox.h"
#include "shell/FrmOptions.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/DesktopDeadline.h"
#include "support/TempProgramFolder.h"
#include "support/X11Desktop.h"
#include "support/X11Dock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using platform::primaryScreenGeometry;
using platform::taskbarEdge;
using testing_support::X11Dock;

namespace {

constexpr int kLeft = 0, kTop = 1, kRight = 2, kBottom = 3;
constexpr int kPanel = 30;
// What an autohiding panel keeps of itself on the screen (xfce4-panel 4.18).
constexpr int kHiddenPanel = 3;

QRect available() {
    const auto screen = primaryScreenGeometry();
    return screen ? screen->available : QRect();
}

class X11Desktop : public testing_support::X11LayoutTest {};

// The primary monitor less a panel at one of its edges (at one device pixel per pixel).
QRect lessPanel(const QRect& monitor, int edge, int thickness) {
    const QMargins panel[] = {
        {thickness, 0, 0, 0}, {0, thickness, 0, 0}, {0, 0, thickness, 0}, {0, 0, 0, thickness}};
    return monitor - panel[edge];
}

} // namespace

TEST_F(X11Desktop, WithoutAPanelTheWholePrimaryMonitorIsAvailable) {
    EXPECT_EQ(available(), primary);
    EXPECT_EQ(taskbarEdge(), kLeft);
}

TEST_F(X11Desktop, APanelAtEachEdgeOfThePrimaryMonitorIsItsTaskbar) {
    for (const int edge : {kLeft, kTop, kRight, kBottom}) {
        const X11Dock dock(primary, edge, kPanel);
        EXPECT_EQ(taskbarEdge(), edge) << edge;
        EXPECT_EQ(available(), lessPanel(primary, edge, kPanel)) << edge;
    }
}

// Also where Qt scales the screen by 2: the 3-pixel strip is then 1.5 of its pixels deep.
TEST_F(X11Desktop, AHiddenPanelAlongAnEdgeOfThePrimaryMonitorIsItsTaskbar) {
    for (const int edge : {kLeft, kTop, kRight, kBottom}) {
        const X11Dock dock(primary, edge, kHiddenPanel, X11Dock::Reserve::Nothing);
        EXPECT_EQ(available(), QGuiApplication::primaryScreen()->geometry())
            << "it reserves nothing: " << edge;
        EXPECT_EQ(taskbarEdge(), edge) << edge;
    }
}

TEST_F(X11Desktop, APanelThatReservesRoomWinsOverAHiddenOne) {
    const X11Dock hidden(primary, kBottom, kHiddenPanel, X11Dock::Reserve::Nothing);
    const X11Dock top(primary, kTop, kPanel);
    EXPECT_EQ(taskbarEdge(), kTop);
}

TEST_F(X11Desktop, APanelWithOnlyTheOldStrutCounts) {
    const X11Dock dock(primary, kBottom, kPanel, X11Dock::Reserve::WholeEdgesOnly);
    EXPECT_EQ(taskbarEdge(), kBottom);
    EXPECT_EQ(available(), lessPanel(primary, kBottom, kPanel));
}

TEST_F(X11Desktop, TheNoticeRestsOnATallBottomPanel) {
    shell::resetShellState();
    shell::Notif::setSlideDuration(0);
    const testing_support::TempProgramFolder folder;
    const int tall = 64;
    const X11Dock dock(primary, kBottom, tall);
    shell::shellState().textoNotif = QStringLiteral("A notice");
    shell::Notif& notice = *forms::Forms::instance().get<shell::Notif>();
    notice.Show();
    EXPECT_TRUE(shell::shellState().notifVisible);
    EXPECT_EQ(notice.geometry().bottom(), primary.bottom() - tall);
    EXPECT_EQ(platform::bottomPanelTwips(), tall * platform::twipsPerPixelY());
    forms::Forms::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
}

TEST_F(X11Desktop, TheOptionsWindowTakesThePersonalStyleOnlyOverABottomPanel) {
    QTemporaryDir config;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    std::vector<runtime::DialogCall> boxes;
    runtime::setDialogScript([&boxes](const runtime::DialogCall& call, QString&) {
        boxes.push_back(call);
        return int(runtime::vbOK);
    });
    forms::Forms& forms = forms::Forms::instance();
    const struct {
        int edge;
        X11Dock::Reserve reserve;
        const char* stored;
        std::size_t boxes;
    } cases[] = {{kBottom, X11Dock::Reserve::Partial, "personal", 0},
                 {kBottom, X11Dock::Reserve::Nothing, "personal", 0},
                 {kLeft, X11Dock::Reserve::Partial, "windows xp", 1},
                 {kTop, X11Dock::Reserve::Partial, "windows xp", 1},
                 {kTop, X11Dock::Reserve::Nothing, "windows xp", 1}};
    for (const auto& c : cases) {
        shell::resetShellState();
        boxes.clear();
        const testing_support::TempProgramFolder folder;
        const bool hidden = c.reserve == X11Dock::Reserve::Nothing;
        const X11Dock dock(primary, c.edge, hidden ? kHiddenPanel : kPanel, c.reserve);
        shell::FrmOptions& options = *forms.get<shell::FrmOptions>();
        options.Show();
        auto* personal = options.findChild<QRadioButton*>(QStringLiteral("OptionPersonal"));
        ASSERT_NE(personal, nullptr);
        QTest::mouseClick(personal, Qt::LeftButton, {}, QPoint(8, personal->height() / 2));
        EXPECT_EQ(platform::GetPrivateProfileString("opciones", "Estilo Tooltips", "",
                                                    folder.file("opciones.ini")),
                  c.stored)
            << c.edge << (hidden ? " hidden" : "");
        ASSERT_EQ(boxes.size(), c.boxes) << c.edge << (hidden ? " hidden" : "");
        if (c.boxes > 0) {
            EXPECT_EQ(boxes[0].title, "Info Tooltip");
        }
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    runtime::setDialogScript(nullptr);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

// Where Qt itself knows the area (one monitor), both agree once Qt has seen the change.
TEST_F(X11Desktop, OnOneMonitorQtAgrees) {
    ASSERT_EQ(monitors.size(), 1U) << "beside another monitor Qt takes one area for the desktop";
    for (const int edge : {kLeft, kTop, kRight, kBottom}) {
        const X11Dock dock(primary, edge, kPanel);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QDeadlineTimer deadline(testing_support::kDesktopDeadlineMs);
        while (screen->availableGeometry() != available() && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        EXPECT_EQ(available(), screen->availableGeometry()) << edge;
        EXPECT_EQ(taskbarEdge(), edge) << edge;
    }
}

// Beside the primary monitor: the other monitor's panels are not the taskbar.
TEST_F(X11Desktop, APanelOnTheOtherMonitorDoesNotCount) {
    ASSERT_GE(monitors.size(), 2U);
    const X11Dock other(monitors[1], kBottom, kPanel);
    const X11Dock hidden(monitors[1], kTop, kHiddenPanel, X11Dock::Reserve::Nothing);
    EXPECT_EQ(available(), primary);
    EXPECT_EQ(taskbarEdge(), kLeft);
    const X11Dock top(primary, kTop, kPanel);
    EXPECT_EQ(available(), lessPanel(primary, kTop, kPanel));
    EXPECT_EQ(taskbarEdge(), kTop);
}
