#include "platform/TaskbarEdge.h"

#include "shell/ShellState.h"
#include "shell/TaskBarPosition.h"
#include "support/FakeScreen.h"

#include <gtest/gtest.h>

using platform::taskbarEdge;
using testing_support::FakeScreen;

namespace {

constexpr int kLeft = 0, kTop = 1, kRight = 2, kBottom = 3;

} // namespace

TEST(TaskbarEdge, IsTheEdgeWhereTheAvailableAreaIsInset) {
    FakeScreen screen(kBottom);
    for (const int edge : {kLeft, kTop, kRight, kBottom}) {
        screen.setPanel(edge);
        EXPECT_EQ(taskbarEdge(), edge) << edge;
    }
}

TEST(TaskbarEdge, ReadsScreensThatDoNotStartAtTheOrigin) {
    FakeScreen screen(kBottom);
    // A primary screen right of another one, with a panel at its top, then at its right.
    const QRect full(1920, 0, 1280, 1024);
    screen.setGeometry(full, full.adjusted(0, 28, 0, 0));
    EXPECT_EQ(taskbarEdge(), kTop);
    screen.setGeometry(full, full.adjusted(0, 0, -48, 0));
    EXPECT_EQ(taskbarEdge(), kRight);
}

TEST(TaskbarEdge, TwoPanelsCountTheBottomOne) {
    FakeScreen screen(kBottom);
    const QRect full(0, 0, 1920, 1080);
    screen.setGeometry(full, full.adjusted(0, 30, 0, -30));
    EXPECT_EQ(taskbarEdge(), kBottom);
    screen.setGeometry(full, full.adjusted(40, 30, 0, 0));
    EXPECT_EQ(taskbarEdge(), kTop);
}

TEST(TaskbarEdge, NoPanelAndNoScreenAreTheFailedQuery) {
    FakeScreen screen(kBottom);
    const QRect full(0, 0, 1920, 1080);
    screen.setGeometry(full, full);
    EXPECT_EQ(taskbarEdge(), 0);
    screen.removeScreen();
    EXPECT_EQ(taskbarEdge(), 0);
}

TEST(TaskbarEdge, AnAutohidingPanelNamesItsEdgeOnlyWhereNothingIsReserved) {
    FakeScreen screen(kBottom);
    const QRect full(0, 0, 1920, 1080);
    const QRect hiddenBottomPanel(0, 1077, 1920, 3);
    screen.setGeometry(full, full, {hiddenBottomPanel});
    EXPECT_EQ(taskbarEdge(), kBottom);
    screen.setGeometry(full, full.adjusted(0, 30, 0, 0), {hiddenBottomPanel});
    EXPECT_EQ(taskbarEdge(), kTop);
}

TEST(GetTaskBarPosition, SetsPosicionBarraFromTheScreen) {
    shell::resetShellState();
    FakeScreen screen(kBottom);
    EXPECT_EQ(shell::GetTaskBarPosition(), "Taskbar at the bottom edge");
    EXPECT_EQ(shell::shellState().posicionBarra, kBottom);
    screen.setPanel(kTop);
    shell::GetTaskBarPosition();
    EXPECT_EQ(shell::shellState().posicionBarra, kTop);
    screen.removeScreen();
    shell::GetTaskBarPosition();
    EXPECT_EQ(shell::shellState().posicionBarra, kLeft);
}
