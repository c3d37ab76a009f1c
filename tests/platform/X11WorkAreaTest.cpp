// Runs on a real X server with xfwm4 (tests/support/x11): the monitors it was split into are in
// VELARCANA_TEST_MONITORS, as xrandr writes them, the primary one first.
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
#include "support/X11Dock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QRadioButton>
#include <QRegularExpression>
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

std::vector<QRect> monitorsOfTheRun() {
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d+)(?:/\d+)?x(\d+)(?:/\d+)?\+(\d+)\+(\d+)$)"));
    std::vector<QRect> monitors;
    for (const QString& text :
         qEnvironmentVariable("VELARCANA_TEST_MONITORS").split(u' ', Qt::SkipEmptyParts)) {
        const auto m = form.match(text);
        if (m.hasMatch()) {
            monitors.emplace_back(m.captured(3).toInt(), m.captured(4).toInt(),
                                  m.captured(1).toInt(), m.captured(2).toInt());
        }
    }
    return monitors;
}

QRect available() {
    const auto screen = primaryScreenGeometry();
    return screen ? screen->available : QRect();
}

class X11Desktop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_FALSE(monitors.empty()) << "VELARCANA_TEST_MONITORS names no monitor";
        ASSERT_EQ(QGuiApplication::screens().size(), qsizetype(monitors.size()));
        const QScreen* screen = QGuiApplication::primaryScreen();
        ASSERT_EQ(screen->geometry().topLeft(), primary.topLeft());
        ASSERT_EQ(screen->geometry().size() * screen->devicePixelRatio(), primary.size());
    }

    const std::vector<QRect> monitors = monitorsOfTheRun();
    const QRect primary = monitors.empty() ? QRect() : monitors.front();
};

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
        const char* stored;
        std::size_t boxes;
    } cases[] = {{kBottom, "personal", 0}, {kLeft, "windows xp", 1}, {kTop, "windows xp", 1}};
    for (const auto& c : cases) {
        shell::resetShellState();
        boxes.clear();
        const testing_support::TempProgramFolder folder;
        const X11Dock dock(primary, c.edge, kPanel);
        shell::FrmOptions& options = *forms.get<shell::FrmOptions>();
        options.Show();
        auto* personal = options.findChild<QRadioButton*>(QStringLiteral("OptionPersonal"));
        ASSERT_NE(personal, nullptr);
        QTest::mouseClick(personal, Qt::LeftButton, {}, QPoint(8, personal->height() / 2));
        EXPECT_EQ(platform::GetPrivateProfileString("opciones", "Estilo Tooltips", "",
                                                    folder.file("opciones.ini")),
                  c.stored)
            << c.edge;
        ASSERT_EQ(boxes.size(), c.boxes) << c.edge;
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
    ASSERT_EQ(monitors.size(), 1U) << "beside another monitor Qt reports the whole one";
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
    EXPECT_EQ(available(), primary);
    EXPECT_EQ(taskbarEdge(), kLeft);
    const X11Dock top(primary, kTop, kPanel);
    EXPECT_EQ(available(), lessPanel(primary, kTop, kPanel));
    EXPECT_EQ(taskbarEdge(), kTop);
}
