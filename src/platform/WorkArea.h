#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// The room a panel reserves along the root window's edges, in device pixels: how far it reaches in
// from each edge, and the stretch of that edge it covers (first and last pixel).
struct Strut {
    int left = 0, right = 0, top = 0, bottom = 0;
    int leftStartY = 0, leftEndY = 0, rightStartY = 0, rightEndY = 0;
    int topStartX = 0, topEndX = 0, bottomStartX = 0, bottomEndX = 0;

    // The 12 values of _NET_WM_STRUT_PARTIAL; nothing for any other count.
    static std::optional<Strut> fromPartial(std::span<const std::uint32_t> values);
    // The 4 values of _NET_WM_STRUT, each covering its whole edge; nothing for any other count.
    static std::optional<Strut> fromWholeEdges(std::span<const std::uint32_t> values, QSize root);

    bool operator==(const Strut&) const = default;
};

// What the window manager says about the room its panels take, in device pixels.
struct DesktopPanels {
    QSize root;
    std::vector<Strut> struts;     // of the windows that reserve room
    std::optional<QRect> workArea; // of the current desktop, across all monitors
    std::vector<QRect> docks;      // the dock windows (panels), root coordinates
};

// A monitor's edges, numbered as the taskbar query reports them.
enum class Edge { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// The work area of the current desktop from the values of _NET_WORKAREA (four a desktop) and
// _NET_CURRENT_DESKTOP; the first desktop's when the current one is not told.
std::optional<QRect> currentWorkArea(std::span<const std::uint32_t> areas,
                                     std::span<const std::uint32_t> currentDesktop);

// The part of a monitor (root coordinates) left to windows: by the struts when any window reserves
// room, otherwise the work area clipped to the monitor; nothing when neither tells or nothing is
// left. A strut insets the monitor only where it meets the monitor and stops short of its far
// side: one that reaches across it belongs to a panel on a monitor beyond.
std::optional<QRect> availableArea(const DesktopPanels& panels, const QRect& monitor);

// The edge of a monitor where its panel lies, all rectangles in one coordinate system: the edge
// where the part left to windows is inset (the bottom first, then top, right, left); where nothing
// is reserved, the edge that a dock window lies along, as an autohiding panel keeps a strip of
// itself there: the dock's part on the monitor touches that edge and is longer along it than
// deep (the same order among several). Nothing when neither tells.
std::optional<Edge> panelEdge(const QRect& monitor, const QRect& available,
                              std::span<const QRect> docks);

} // namespace platform
