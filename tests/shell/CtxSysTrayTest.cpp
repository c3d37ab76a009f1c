#include "shell/ctxSysTray.h"

#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmToolTip.h"
#include "shell/ShellState.h"
#include "shell/ToolTipWindow.h"
#include "support/FakeClock.h"
#include "support/FakeScreen.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using platform::NIM_ADD;
using platform::NIM_DELETE;
using platform::NIM_MODIFY;
using platform::WM_LBUTTONDBLCLK;
using platform::WM_LBUTTONUP;
using platform::WM_MOUSEMOVE;
using platform::WM_RBUTTONUP;
using testing_support::FakeTray;

namespace {

struct Events {
    int moves = 0;
    std::vector<int> ups;
    std::vector<int> doubleClicks;
};

} // namespace

class CtxSysTrayTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        biorhythms::resetBioState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        ShellState& s = shellState();
        s.desactivarTooltips = "ToolTips on";
        s.estiloTooltips = "windows xp";
        s.modoSilencioso = "nomudo";
        control = std::make_unique<ctxSysTray>();
        QObject::connect(control.get(), &ctxSysTray::MouseMouse,
                         [this](float, float) { ++events.moves; });
        QObject::connect(control.get(), &ctxSysTray::MouseUp,
                         [this](runtime::Integer b, runtime::Integer, float, float) {
                             events.ups.push_back(b);
                         });
        QObject::connect(control.get(), &ctxSysTray::DblClick,
                         [this](runtime::Integer b) { events.doubleClicks.push_back(b); });
        control->AddIconToSystray(QString());
    }
    void TearDown() override {
        control.reset();
        forms::Forms::instance().reset();
    }

    void pointerOnIcon() { tray.setPointer(tray.iconRect.topLeft() + QPoint(9, 12)); }
    void pointerAway() { tray.setPointer(QPoint(10, 10)); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            control->TimerTooltip_Timer();
        }
    }
    int balloons() { return tray.onlyIcon().balloonsShown; }
    bool toolTipWindowOpen() const { return forms::Forms::instance().isLoaded(FrmToolTip::kName); }

    testing_support::TempProgramFolder folder;
    testing_support::FakeClock clock{runtime::makeDateTime({2024, 3, 20, 10, 30, 0})};
    FakeTray tray;
    testing_support::FakeScreen screen{3};
    std::unique_ptr<ctxSysTray> control;
    Events events;
};

TEST_F(CtxSysTrayTest, RecordCarriesWhatEachCallSetsAndKeepsTheRest) {
    ASSERT_EQ(tray.calls.size(), 1U);
    const platform::NotifyIconData& added = tray.calls[0].data;
    EXPECT_EQ(tray.calls[0].message, NIM_ADD);
    EXPECT_EQ(added.cbSize, 488U);
    EXPECT_EQ(added.hWnd, control.get());
    EXPECT_EQ(added.uID, 1U);
    EXPECT_EQ(added.uFlags, 23U);
    EXPECT_EQ(added.uCallbackMessage, 512U);
    EXPECT_NE(added.hIcon, nullptr);

    control->UpdateIcon("Velarcana by Quenlor");
    EXPECT_EQ(tray.calls.back().message, NIM_MODIFY);
    EXPECT_EQ(tray.calls.back().data.uFlags, 6U);
    EXPECT_EQ(tray.onlyIcon().tip, "Velarcana by Quenlor");

    control->Popup("Text", "Title", 17);
    const platform::NotifyIconData& balloon = tray.calls.back().data;
    EXPECT_EQ(balloon.uFlags, 23U);
    EXPECT_EQ(platform::fieldText(balloon.szTip), "Velarcana by Quenlor"); // sent again
    EXPECT_EQ(tray.onlyIcon().balloonText, "Text");
    EXPECT_EQ(tray.onlyIcon().balloonTitle, "Title");
    EXPECT_EQ(tray.onlyIcon().balloonFlags, 17U);

    control->HidePopUp();
    EXPECT_EQ(tray.onlyIcon().balloonText, "");
    EXPECT_EQ(tray.onlyIcon().balloonFlags, 0U);

    control->RemoveIconFromSystray();
    EXPECT_EQ(tray.calls.back().message, NIM_DELETE);
    EXPECT_EQ(tray.iconCount(), 0);
}

TEST_F(CtxSysTrayTest, TheIconGoesWithTheControl) {
    control.reset();
    EXPECT_EQ(tray.iconCount(), 0);
}

TEST_F(CtxSysTrayTest, NoIconIsAddedWhileAProfileWindowIsOpen) {
    shellState().perfilesAbierto = true;
    ctxSysTray other;
    other.AddIconToSystray("tip");
    EXPECT_EQ(tray.iconCount(), 1); // only the fixture's icon
    other.RemoveIconFromSystray();
    EXPECT_EQ(tray.calls.back().data.cbSize, 0U);
    EXPECT_EQ(tray.calls.back().data.uID, 0U);
}

TEST_F(CtxSysTrayTest, CallbackTable) {
    struct Case {
        int message;
        std::vector<int> ups;
        std::vector<int> doubleClicks;
        bool tipGiven;
    };
    const Case cases[] = {
        {WM_LBUTTONUP, {1}, {}, true},
        {WM_LBUTTONDBLCLK, {}, {1}, true},
        {WM_RBUTTONUP, {2}, {}, false},
        {513, {}, {}, false}, // a left-button press is not decoded
    };
    for (const Case& c : cases) {
        events = Events();
        shellState().tooltipCerrado = false;
        control->TimerTooltip->start();
        shell::loadToolTipWindow();
        ASSERT_TRUE(toolTipWindowOpen());
        tray.send(c.message);
        EXPECT_EQ(events.ups, c.ups) << c.message;
        EXPECT_EQ(events.doubleClicks, c.doubleClicks) << c.message;
        EXPECT_EQ(shellState().tooltipCerrado, c.tipGiven) << c.message;
        const bool decoded = c.message != 513;
        EXPECT_EQ(control->TimerTooltip->isActive(), !decoded) << c.message;
        EXPECT_EQ(toolTipWindowOpen(), !decoded) << c.message;
        shell::unloadToolTipWindow();
    }
}

TEST_F(CtxSysTrayTest, HoverShowsOneBalloonAfterHalfASecondOncePerVisit) {
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    EXPECT_EQ(events.moves, 1);
    EXPECT_TRUE(control->TimerTooltip->isActive());
    ticks(4); // 0.4 s
    EXPECT_EQ(balloons(), 0);
    ticks(1); // 0.5 s
    EXPECT_EQ(balloons(), 1);
    EXPECT_TRUE(shellState().tooltipCerrado);
    tray.send(WM_MOUSEMOVE);
    ticks(20);
    EXPECT_EQ(balloons(), 1);

    pointerAway();
    ticks(1);
    EXPECT_FALSE(control->TimerTooltip->isActive());
    EXPECT_FALSE(shellState().tooltipCerrado);
    EXPECT_EQ(tray.onlyIcon().balloonText, ""); // taken away

    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(5);
    EXPECT_EQ(balloons(), 2);
}

TEST_F(CtxSysTrayTest, LeavingBeforeHalfASecondShowsNothing) {
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(3);
    pointerAway();
    ticks(1);
    EXPECT_FALSE(control->TimerTooltip->isActive());
    EXPECT_EQ(control->tickCount, 0);
    EXPECT_EQ(balloons(), 0);
}

TEST_F(CtxSysTrayTest, AClickSuppressesTipsUntilThePointerHasLeft) {
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(2);
    tray.send(WM_LBUTTONUP);
    EXPECT_EQ(events.ups, std::vector<int>{1});
    EXPECT_FALSE(control->TimerTooltip->isActive());
    tray.send(WM_MOUSEMOVE);
    ticks(10);
    EXPECT_EQ(balloons(), 0);
    pointerAway();
    ticks(1);
    EXPECT_FALSE(shellState().tooltipCerrado);
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(5);
    EXPECT_EQ(balloons(), 1);
}

TEST_F(CtxSysTrayTest, WithTooltipsOffAHoverWritesThePlainTipAndShowsNoBalloon) {
    shellState().desactivarTooltips = "ToolTips off";
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    EXPECT_EQ(tray.onlyIcon().tip, "Velarcana by Quenlor");
    ticks(10);
    EXPECT_EQ(balloons(), 0);
}

TEST_F(CtxSysTrayTest, WhileLoadingOrShowingAMeaningAHoverOnlyRaisesTheMove) {
    for (bool ShellState::*flag : {&ShellState::cargandoForm, &ShellState::clickCarta}) {
        resetShellState();
        shellState().desactivarTooltips = "ToolTips off";
        shellState().*flag = true;
        events = Events();
        const std::size_t callsBefore = tray.calls.size();
        pointerOnIcon();
        tray.send(WM_MOUSEMOVE);
        EXPECT_EQ(events.moves, 1);
        EXPECT_FALSE(control->TimerTooltip->isActive());
        EXPECT_EQ(tray.calls.size(), callsBefore);
    }
}

TEST_F(CtxSysTrayTest, BalloonHoldsTheDateAndTheFourLines) {
    folder.write("bio.dat", "1,3,1980\r\n");
    biorhythms::bioState().diaNac = 1;
    biorhythms::bioState().mesNac = 3;
    biorhythms::bioState().anioNac = 1980;
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(5);
    const ShellState& s = shellState();
    EXPECT_TRUE(s.lineaCartaDia.startsWith("Card of Day: "));
    EXPECT_TRUE(s.lineaSigno.startsWith("Zodiac Sign: "));
    EXPECT_TRUE(s.lineaBio.startsWith("Biorhythms (avg.): "));
    EXPECT_TRUE(s.lineaLuna.startsWith("Moon Phase"));
    EXPECT_EQ(tray.onlyIcon().balloonTitle, "Velarcana by Quenlor");
    EXPECT_EQ(tray.onlyIcon().balloonText, "3/20/2024 (Mercury)\r\n" + s.lineaCartaDia + "\r\n" +
                                               s.lineaSigno + "\r\n" + s.lineaBio + "\r\n" +
                                               s.lineaLuna);
    EXPECT_EQ(tray.onlyIcon().balloonFlags, 1U);
    EXPECT_EQ(control->planetaDia, "Mercury");
}

TEST_F(CtxSysTrayTest, WithoutBirthDateTheBalloonAsksForIt) {
    for (const char* mode : {"nomudo", "mudo"}) {
        shellState().modoSilencioso = mode;
        pointerAway();
        ticks(1);
        pointerOnIcon();
        tray.send(WM_MOUSEMOVE);
        ticks(5);
        EXPECT_EQ(tray.onlyIcon().balloonText, ctxSysTray::kNotSetNotice);
        EXPECT_EQ(tray.onlyIcon().balloonTitle, "Velarcana by Quenlor");
        EXPECT_EQ(tray.onlyIcon().balloonFlags, QString(mode) == "mudo" ? 17U : 1U) << mode;
    }
}

TEST_F(CtxSysTrayTest, PersonalStyleOpensTheTooltipWindowInsteadOfABalloon) {
    shellState().estiloTooltips = "personal";
    control->UpdateIcon("something");
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(5);
    EXPECT_TRUE(toolTipWindowOpen());
    EXPECT_EQ(tray.onlyIcon().tip, "");
    EXPECT_EQ(balloons(), 0);
    shellState().tooltipVisible = true;
    pointerAway();
    ticks(1);
    EXPECT_FALSE(toolTipWindowOpen());
    EXPECT_FALSE(shellState().tooltipVisible);

    shellState().cargandoForm = true;
    control->TimerTooltip->start(); // a visit that began before the load
    pointerOnIcon();
    ticks(5);
    EXPECT_FALSE(toolTipWindowOpen());
}

TEST_F(CtxSysTrayTest, TheIconsWholeRectangleIsTheHoverTarget) {
    tray.iconRect = QRect(1000, 776, 22, 22);
    tray.setPointer(QPoint(1020, 790)); // the right part of a 22-pixel icon
    tray.send(WM_MOUSEMOVE);
    EXPECT_EQ(control->iconLeft, 1000);
    EXPECT_EQ(control->iconRight, 1022);
    EXPECT_EQ(control->trayTop, 776);
    EXPECT_EQ(control->trayBottom, 798);
    EXPECT_TRUE(shellState().barraAbajo);
    ticks(5);
    EXPECT_EQ(balloons(), 1);
    tray.setPointer(QPoint(1022, 790)); // the first column past its right edge
    ticks(1);
    EXPECT_FALSE(control->TimerTooltip->isActive());

    screen.setPanel(1);
    tray.setPointer(QPoint(1000, 776)); // the icon's first pixel
    tray.send(WM_MOUSEMOVE);
    EXPECT_EQ(control->iconLeft, 1000);
    EXPECT_FALSE(shellState().barraAbajo);
    ticks(1);
    EXPECT_TRUE(control->TimerTooltip->isActive()) << "still on the icon";
}

TEST_F(CtxSysTrayTest, OffTheIconAMoveKeepsTheIconsBounds) {
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    tray.setPointer(QPoint(500, 500));
    tray.send(WM_MOUSEMOVE);
    EXPECT_EQ(control->iconLeft, tray.iconRect.left());
    EXPECT_EQ(control->iconRight, tray.iconRect.left() + tray.iconRect.width());
}

TEST_F(CtxSysTrayTest, BeforeAnyProbeTheFirstTickEndsTheVisit) {
    shellState().tooltipCerrado = true; // no probe runs
    pointerOnIcon();
    tray.send(WM_MOUSEMOVE);
    ticks(1);
    EXPECT_FALSE(control->TimerTooltip->isActive());
    EXPECT_FALSE(shellState().tooltipCerrado);
}

// On a StatusNotifierItem host: the host reports no position and shows the icon's menu and
// tooltip itself.
class CtxSysTrayHostTipTest : public CtxSysTrayTest {
protected:
    void SetUp() override {
        CtxSysTrayTest::SetUp();
        control->RemoveIconFromSystray();
        tray.statusNotifierHost = true;
        menu.addAction("About...");
        control->setTrayMenu(&menu);
        control->AddIconToSystray(QString());
    }
    void birthDate() {
        folder.write("bio.dat", "1,3,1980\r\n");
        biorhythms::bioState().diaNac = 1;
        biorhythms::bioState().mesNac = 3;
        biorhythms::bioState().anioNac = 1980;
    }
    QString lines() const {
        const ShellState& s = shellState();
        return s.lineaCartaDia + "\r\n" + s.lineaSigno + "\r\n" + s.lineaBio + "\r\n" + s.lineaLuna;
    }

    QMenu menu;
};

TEST_F(CtxSysTrayTest, OnAnXEmbedTrayTheIconCarriesNoMenuOrLinesOfItsOwn) {
    QMenu menu;
    control->RemoveIconFromSystray();
    control->setTrayMenu(&menu);
    control->AddIconToSystray(QString());
    EXPECT_EQ(tray.rightClick(), nullptr);
    EXPECT_EQ(events.ups, std::vector<int>{2}) << "the window opens its menu itself";
    EXPECT_EQ(tray.onlyIcon().tip, "");
    EXPECT_FALSE(control->TimerHostTip->isActive());
}

TEST_F(CtxSysTrayHostTipTest, TheHostOpensTheTrayMenuAndNoHoverRuns) {
    EXPECT_EQ(tray.rightClick(), &menu);
    EXPECT_TRUE(events.ups.empty());
    pointerOnIcon();
    ticks(10);
    EXPECT_EQ(balloons(), 0);
    EXPECT_EQ(events.moves, 0);
}

TEST_F(CtxSysTrayHostTipTest, TheTipIsWhatTheBalloonWouldShow) {
    EXPECT_EQ(tray.onlyIcon().tip, "Velarcana by Quenlor\r\n" + ctxSysTray::kNotSetNotice);

    birthDate();
    control->TimerHostTip_Timer();
    EXPECT_TRUE(shellState().lineaBio.startsWith("Biorhythms (avg.): "));
    EXPECT_EQ(tray.onlyIcon().tip, "Velarcana by Quenlor\r\n3/20/2024 (Mercury)\r\n" + lines());

    shellState().desactivarTooltips = "ToolTips off";
    control->TimerHostTip_Timer();
    EXPECT_EQ(tray.onlyIcon().tip, "Velarcana by Quenlor");
}

TEST_F(CtxSysTrayHostTipTest, TheTipFollowsTheLinesUntilTheIconGoes) {
    birthDate();
    EXPECT_TRUE(control->TimerHostTip->isActive());
    EXPECT_EQ(control->TimerHostTip->interval(), ctxSysTray::kHostTipRefreshMs);
    clock.advanceDays(1);
    shellState().cargandoForm = true;
    control->TimerHostTip_Timer();
    EXPECT_FALSE(tray.onlyIcon().tip.contains("3/21/2024")) << "not in the middle of a load";
    shellState().cargandoForm = false;
    control->TimerHostTip_Timer();
    EXPECT_TRUE(tray.onlyIcon().tip.startsWith("Velarcana by Quenlor\r\n3/21/2024 (Jupiter)"))
        << tray.onlyIcon().tip.toStdString();
    EXPECT_TRUE(tray.onlyIcon().tip.endsWith(lines()));

    control->RemoveIconFromSystray();
    EXPECT_FALSE(control->TimerHostTip->isActive());
}
