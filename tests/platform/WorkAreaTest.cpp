#include "platform/WorkArea.h"

#include <gtest/gtest.h>

#include <array>

using platform::availableArea;
using platform::DesktopPanels;
using platform::Edge;
using platform::panelEdge;
using platform::Strut;

namespace {

// Two monitors side by side, the first one primary and taller than the other.
const QSize kRoot(2304, 800);
const QRect kPrimary(0, 0, 1280, 800);

struct Case {
    const char* what;
    DesktopPanels panels;
    QRect monitor;
    std::optional<QRect> expected;
};

DesktopPanels struts(std::vector<Strut> reserved, std::optional<QRect> workArea = std::nullopt) {
    return {kRoot, std::move(reserved), workArea, {}};
}

} // namespace

TEST(WorkArea, IsThePrimaryMonitorLessThePanelsThatMeetIt) {
    const Strut bottom{.bottom = 30, .bottomStartX = 0, .bottomEndX = 1279};
    const Strut top{.top = 30, .topStartX = 0, .topEndX = 1279};
    const Strut left{.left = 30, .leftStartY = 0, .leftEndY = 799};
    // Right edge of the primary is the inner edge: the strut reaches in from the root's edge.
    const Strut right{.right = 2304 - 1250, .rightStartY = 0, .rightEndY = 799};
    const Strut otherBottom{.bottom = 800 - 738, .bottomStartX = 1280, .bottomEndX = 2303};
    const Strut otherTop{.top = 30, .topStartX = 1280, .topEndX = 2303};
    const Strut otherLeftEdge{.left = 1280 + 30, .leftStartY = 0, .leftEndY = 767};
    const Case cases[] = {
        {"bottom panel", struts({bottom}), kPrimary, QRect(0, 0, 1280, 770)},
        {"top panel", struts({top}), kPrimary, QRect(0, 30, 1280, 770)},
        {"left panel", struts({left}), kPrimary, QRect(30, 0, 1250, 800)},
        {"right panel", struts({right}), kPrimary, QRect(0, 0, 1250, 800)},
        {"the taller of two bottom panels",
         struts({bottom, {.bottom = 64, .bottomStartX = 0, .bottomEndX = 1279}}), kPrimary,
         QRect(0, 0, 1280, 736)},
        {"a panel at the other monitor's bottom, whatever the work area says",
         struts({otherBottom}, QRect(0, 0, 2304, 738)), kPrimary, kPrimary},
        {"a top panel here, a bottom one there", struts({top, otherBottom}), kPrimary,
         QRect(0, 30, 1280, 770)},
        {"a top panel along the other monitor only", struts({otherTop}), kPrimary, kPrimary},
        {"a panel at the other monitor's left edge reaches across this one",
         struts({otherLeftEdge}), kPrimary, kPrimary},
        {"a primary right of the other monitor, panel at its inner left edge",
         struts({{.left = 1024 + 30, .leftStartY = 0, .leftEndY = 799}}), QRect(1024, 0, 1280, 800),
         QRect(1054, 0, 1250, 800)},
        {"no panel but a work area: clipped to the monitor", struts({}, QRect(0, 0, 2304, 770)),
         kPrimary, QRect(0, 0, 1280, 770)},
        {"a work area off the monitor", struts({}, QRect(1280, 0, 1024, 768)), kPrimary,
         std::nullopt},
        {"nothing told", struts({}), kPrimary, std::nullopt},
        {"panels that leave nothing",
         struts({{.left = 700, .leftStartY = 0, .leftEndY = 799},
                 {.right = 2304 - 600, .rightStartY = 0, .rightEndY = 799}}),
         kPrimary, std::nullopt},
        {"a stretch that ends before it starts",
         struts({{.bottom = 30, .bottomStartX = 1279, .bottomEndX = 0}}), kPrimary, kPrimary},
        {"a panel deeper than the root", struts({{.bottom = 0xFFFF, .bottomEndX = 1279}}), kPrimary,
         kPrimary},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(availableArea(c.panels, c.monitor), c.expected) << c.what;
    }
}

TEST(WorkArea, StrutsAreReadFromTheirPropertyValues) {
    const std::array<std::uint32_t, 12> partial = {0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 1279};
    EXPECT_EQ(Strut::fromPartial(partial),
              (Strut{.bottom = 30, .bottomStartX = 0, .bottomEndX = 1279}));
    // The old property covers each edge whole.
    const std::array<std::uint32_t, 4> whole = {0, 0, 0, 30};
    const auto plain = Strut::fromWholeEdges(whole, kRoot);
    EXPECT_EQ(
        plain,
        (Strut{
            .bottom = 30, .leftEndY = 799, .rightEndY = 799, .topEndX = 2303, .bottomEndX = 2303}));
    EXPECT_EQ(availableArea(struts({*plain}), kPrimary), QRect(0, 0, 1280, 770));
    // Values out of X's range are held to it; a wrong count is no strut.
    const std::array<std::uint32_t, 4> huge = {0xFFFFFFFF, 0, 0, 0};
    EXPECT_EQ(Strut::fromWholeEdges(huge, kRoot)->left, 0xFFFF);
    EXPECT_EQ(Strut::fromPartial(whole), std::nullopt);
    EXPECT_EQ(Strut::fromWholeEdges(partial, kRoot), std::nullopt);
}

// The primary monitor right of another one; an autohiding panel keeps a strip of a few pixels of
// itself on the screen (xfce4-panel: a dock window 3 pixels deep) and moves the rest beyond it.
TEST(PanelEdge, WhereNothingIsReservedADockAlongAnEdgeNamesIt) {
    const QRect monitor(1024, 0, 1280, 800);
    const QRect bottomStrip(1024, 797, 1280, 3);
    const struct {
        const char* what;
        QRect available;
        std::vector<QRect> docks;
        std::optional<Edge> expected;
    } cases[] = {
        {"a strip along the bottom", monitor, {bottomStrip}, Edge::Bottom},
        {"along the top", monitor, {QRect(1024, 0, 1280, 3)}, Edge::Top},
        {"along the right", monitor, {QRect(2301, 0, 3, 800)}, Edge::Right},
        {"along the left", monitor, {QRect(1024, 0, 3, 800)}, Edge::Left},
        {"a short dock in the middle of the bottom",
         monitor,
         {QRect(1511, 751, 306, 49)},
         Edge::Bottom},
        {"a panel half beyond the bottom", monitor, {QRect(1024, 790, 1280, 30)}, Edge::Bottom},
        {"the panel moved beyond the screen, its strip left",
         monitor,
         {QRect(1024, 851, 1280, 27), bottomStrip},
         Edge::Bottom},
        {"a dock that reaches beyond the monitor's side",
         monitor,
         {QRect(0, 797, 2304, 3)},
         Edge::Bottom},
        {"a dock along the bottom of the other monitor",
         monitor,
         {QRect(0, 765, 1024, 3)},
         std::nullopt},
        {"a dock that stops short of the edge",
         monitor,
         {QRect(1024, 700, 1280, 30)},
         std::nullopt},
        {"a square dock at the edge (a dock application)",
         monitor,
         {QRect(2240, 736, 64, 64)},
         std::nullopt},
        {"a bottom strip standing up from the edge",
         monitor,
         {QRect(2000, 700, 3, 100)},
         std::nullopt},
        {"a dock beyond every edge", monitor, {QRect(-9999, -9999, 3, 3)}, std::nullopt},
        {"strips along the top and the bottom",
         monitor,
         {QRect(1024, 0, 1280, 3), bottomStrip},
         Edge::Bottom},
        {"reserved room wins over a dock", monitor.adjusted(0, 30, 0, 0), {bottomStrip}, Edge::Top},
        {"reserved room at the left wins too",
         monitor.adjusted(40, 0, 0, 0),
         {bottomStrip},
         Edge::Left},
        {"reserved room without a dock", monitor.adjusted(0, 0, 0, -30), {}, Edge::Bottom},
        {"nothing reserved and no dock", monitor, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(panelEdge(monitor, c.available, c.docks), c.expected) << c.what;
    }
}
