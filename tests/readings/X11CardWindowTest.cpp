// Runs on a real X server under xfwm4 (tests/support/x11), split into two monitors of 1920 pixels
// side by side: the Card of the Day window keeps its place on either monitor across a switch.
#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "moon/MoonState.h"
#include "platform/ScreenMetrics.h"
#include "readings/FrmCalendar.h"
#include "readings/FrmCartaDia.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/DesktopDeadline.h"
#include "support/FakeClock.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/tray/XEmbedTray.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using readings::FrmCalendar;
using readings::FrmCartaDia;
using testing_support::clickAt;
using testing_support::kDesktopDeadlineMs;
using testing_support::xWindowInfo;

namespace {

constexpr int kMonitorWidth = 1920;
constexpr int kTop = 100;
constexpr int kTitleBarGrip = 12; // pixels below the frame's top edge

template <class Window> Window* loaded() {
    return forms::Forms::instance().findForm<Window>();
}

// Mapped by the window manager, and where the X server says it is Qt says so too.
bool placed(QWidget* window) {
    return QTest::qWaitForWindowExposed(window, kDesktopDeadlineMs) &&
           QTest::qWaitFor(
               [window] {
                   const testing_support::XWindowInfo info = xWindowInfo(window->winId());
                   return info.viewable && info.rect == window->geometry();
               },
               kDesktopDeadlineMs);
}

// The user drags the window by its title bar with the real pointer until its frame's top left
// corner stands at `place`.
bool dragTo(QWidget* window, QPoint place) {
    constexpr int kSteps = 20;
    const QPoint grip = window->pos() + QPoint(window->width() / 3, kTitleBarGrip);
    const QPoint way = place - window->pos();
    bool moved = testing_support::movePointer(grip) &&
                 testing_support::runTool(QStringLiteral("xdotool"),
                                          {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; moved && step <= kSteps; ++step) {
        moved = testing_support::movePointer(grip + way * step / kSteps);
    }
    return testing_support::runTool(QStringLiteral("xdotool"),
                                    {QStringLiteral("mouseup"), QStringLiteral("1")}) &&
           moved && QTest::qWaitFor([&] { return window->pos() == place; }, kDesktopDeadlineMs) &&
           placed(window);
}

// The user's click on one of the window's buttons, through the real pointer.
bool clickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
    return button && button->isVisible() &&
           clickAt(button->mapToGlobal(button->rect().center()), 1);
}

// The window once it came up after a switch and stands where the window manager put it.
template <class Window> Window* cameUp() {
    Window* window = nullptr;
    const bool up = QTest::qWaitFor(
        [&window] {
            window = loaded<Window>();
            return window && window->isVisible();
        },
        kDesktopDeadlineMs);
    return up && placed(window) ? window : nullptr;
}

// Where the window stands when it asks for `place`: the window manager keeps a window it maps
// wholly on the monitor, so one that the user dragged partly off the right edge comes back
// against that edge.
QPoint keptOnMonitor(QPoint place, QSize frame, const QScreen& monitor) {
    const QRect area = monitor.geometry();
    return {std::min(place.x(), area.right() + 1 - frame.width()), place.y()};
}

class X11CardWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "two monitors side by side";
        ASSERT_EQ(QGuiApplication::screens().at(1)->geometry().left(), kMonitorWidth);
        shell::resetShellState();
        biorhythms::resetBioState();
        moon::resetMoonState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript(
            [](const runtime::DialogCall&, QString&) { return runtime::vbOK; });
        app::registerWindows();
        folder.write("bio.dat", "15,6,1980\r\n");
        folder.write("horabio.dat", "7,5\r\n");
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    FrmCartaDia* openCardWindow() {
        forms::Forms::instance().load(FrmCartaDia::kName);
        FrmCartaDia* window = loaded<FrmCartaDia>();
        return window && placed(window) ? window : nullptr;
    }
    void storeRectangleAt(QPoint pixels) {
        const QPoint twips = platform::pixelsToTwips(pixels);
        folder.write("opciones.ini", QStringLiteral("[Posición]\r\nVelarcanacod_Left=%1\r\n"
                                                    "Velarcanacod_Top=%2\r\n")
                                         .arg(twips.x())
                                         .arg(twips.y())
                                         .toLatin1());
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeTimeZone zone{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
};

} // namespace

TEST_F(X11CardWindow, KeptOnTheRightMonitorItComesBackThereAfterASwitchByAButton) {
    for (const int left : {2495, 3300}) {
        QFile::remove(folder.file("opciones.ini"));
        FrmCartaDia* card = openCardWindow();
        ASSERT_NE(card, nullptr) << left;
        ASSERT_TRUE(dragTo(card, QPoint(left, kTop))) << left;
        ASSERT_EQ(card->pos(), QPoint(left, kTop)) << "the window manager let it stand there";

        ASSERT_TRUE(clickButton(card, "ARButtonOtro")) << left;
        FrmCalendar* calendar = cameUp<FrmCalendar>();
        ASSERT_NE(calendar, nullptr) << left;
        EXPECT_TRUE(folder.read("opciones.ini")
                        .contains("Velarcanacod_Left=" +
                                  QByteArray::number(qRound(left * platform::twipsPerPixelX()))))
            << folder.read("opciones.ini").constData();

        ASSERT_TRUE(clickButton(calendar, "ARButtonHoy")) << left;
        card = cameUp<FrmCartaDia>();
        ASSERT_NE(card, nullptr) << left;
        const QScreen* right = QGuiApplication::screens().at(1);
        EXPECT_EQ(card->pos(), keptOnMonitor(QPoint(left, kTop), card->frameSize(), *right))
            << left;
        EXPECT_EQ(QGuiApplication::screenAt(xWindowInfo(card->winId()).rect.topLeft()), right)
            << left;
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(X11CardWindow, ARectangleOnNoMonitorIsLeftToTheWindowManager) {
    FrmCartaDia* card = openCardWindow();
    ASSERT_NE(card, nullptr);
    const QPoint placedByTheWindowManager = card->pos();
    forms::Forms::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QPoint offEveryMonitor[] = {{2 * kMonitorWidth + 100, kTop}, {-3000, kTop}, {100, 3000}};
    for (const QPoint stored : offEveryMonitor) {
        storeRectangleAt(stored);
        card = openCardWindow();
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->pos(), placedByTheWindowManager) << testing::PrintToString(stored);
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
