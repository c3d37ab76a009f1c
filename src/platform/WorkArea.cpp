#include "platform/WorkArea.h"

#include <algorithm>

namespace platform {
namespace {

// X coordinates are 16-bit: larger values are damaged ones.
int coordinate(std::uint32_t value) {
    return static_cast<int>(std::min<std::uint32_t>(value, 0xFFFF));
}

enum class Side { Left, Right, Top, Bottom };

struct Reserved {
    Side side;
    QRect rect; // root coordinates
};

std::vector<Reserved> reservedRects(const Strut& s, QSize root) {
    const int w = root.width();
    const int h = root.height();
    std::vector<Reserved> rects;
    if (s.left > 0) {
        rects.push_back(
            {Side::Left, QRect(QPoint(0, s.leftStartY), QPoint(s.left - 1, s.leftEndY))});
    }
    if (s.right > 0) {
        rects.push_back(
            {Side::Right, QRect(QPoint(w - s.right, s.rightStartY), QPoint(w - 1, s.rightEndY))});
    }
    if (s.top > 0) {
        rects.push_back({Side::Top, QRect(QPoint(s.topStartX, 0), QPoint(s.topEndX, s.top - 1))});
    }
    if (s.bottom > 0) {
        rects.push_back({Side::Bottom,
                         QRect(QPoint(s.bottomStartX, h - s.bottom), QPoint(s.bottomEndX, h - 1))});
    }
    // A stretch that ends before it starts reserves nothing (QRect would turn it round).
    std::erase_if(rects, [](const Reserved& r) { return !r.rect.isValid(); });
    return rects;
}

// Takes a reserved rectangle off the area; one that reaches across the monitor is left alone.
void inset(QRect& area, const QRect& monitor, const Reserved& reserved) {
    const QRect& r = reserved.rect;
    if (!r.intersects(monitor)) {
        return;
    }
    switch (reserved.side) {
    case Side::Left:
        if (r.right() < monitor.right()) {
            area.setLeft(std::max(area.left(), r.right() + 1));
        }
        break;
    case Side::Right:
        if (r.left() > monitor.left()) {
            area.setRight(std::min(area.right(), r.left() - 1));
        }
        break;
    case Side::Top:
        if (r.bottom() < monitor.bottom()) {
            area.setTop(std::max(area.top(), r.bottom() + 1));
        }
        break;
    case Side::Bottom:
        if (r.top() > monitor.top()) {
            area.setBottom(std::min(area.bottom(), r.top() - 1));
        }
        break;
    }
}

std::optional<QRect> nonEmpty(const QRect& area) {
    return area.isEmpty() ? std::nullopt : std::optional<QRect>(area);
}

// Bottom, top, right, left: the order in which the edges are asked.
constexpr std::size_t kEdges = 4;
constexpr Edge kEdgeOrder[kEdges] = {Edge::Bottom, Edge::Top, Edge::Right, Edge::Left};

std::optional<Edge> firstOf(const bool (&found)[kEdges]) {
    for (std::size_t i = 0; i < kEdges; ++i) {
        if (found[i]) {
            return kEdgeOrder[i];
        }
    }
    return std::nullopt;
}

std::optional<Edge> insetEdge(const QRect& monitor, const QRect& available) {
    const bool inset[kEdges] = {
        available.bottom() < monitor.bottom(), available.top() > monitor.top(),
        available.right() < monitor.right(), available.left() > monitor.left()};
    return firstOf(inset);
}

std::optional<Edge> dockEdge(const QRect& monitor, std::span<const QRect> docks) {
    bool along[kEdges] = {};
    for (const QRect& dock : docks) {
        const QRect part = dock & monitor;
        if (part.isEmpty()) {
            continue;
        }
        const bool across = part.width() > part.height();
        const bool down = part.height() > part.width();
        along[0] |= across && part.bottom() == monitor.bottom();
        along[1] |= across && part.top() == monitor.top();
        along[2] |= down && part.right() == monitor.right();
        along[3] |= down && part.left() == monitor.left();
    }
    return firstOf(along);
}

} // namespace

std::optional<Strut> Strut::fromPartial(std::span<const std::uint32_t> v) {
    if (v.size() != 12) {
        return std::nullopt;
    }
    Strut s;
    int* const fields[] = {&s.left,       &s.right,    &s.top,          &s.bottom,
                           &s.leftStartY, &s.leftEndY, &s.rightStartY,  &s.rightEndY,
                           &s.topStartX,  &s.topEndX,  &s.bottomStartX, &s.bottomEndX};
    for (std::size_t i = 0; i < v.size(); ++i) {
        *fields[i] = coordinate(v[i]);
    }
    return s;
}

std::optional<Strut> Strut::fromWholeEdges(std::span<const std::uint32_t> v, QSize root) {
    if (v.size() != 4) {
        return std::nullopt;
    }
    Strut s;
    s.left = coordinate(v[0]);
    s.right = coordinate(v[1]);
    s.top = coordinate(v[2]);
    s.bottom = coordinate(v[3]);
    s.leftEndY = s.rightEndY = root.height() - 1;
    s.topEndX = s.bottomEndX = root.width() - 1;
    return s;
}

std::optional<QRect> currentWorkArea(std::span<const std::uint32_t> areas,
                                     std::span<const std::uint32_t> currentDesktop) {
    std::size_t first = currentDesktop.empty() ? 0 : 4 * std::size_t{currentDesktop.front()};
    if (first + 4 > areas.size()) {
        first = 0;
    }
    if (areas.size() < first + 4) {
        return std::nullopt;
    }
    return QRect(coordinate(areas[first]), coordinate(areas[first + 1]),
                 coordinate(areas[first + 2]), coordinate(areas[first + 3]));
}

std::optional<QRect> availableArea(const DesktopPanels& panels, const QRect& monitor) {
    if (!panels.struts.empty()) {
        QRect area = monitor;
        for (const Strut& strut : panels.struts) {
            for (const Reserved& reserved : reservedRects(strut, panels.root)) {
                inset(area, monitor, reserved);
            }
        }
        return nonEmpty(area);
    }
    if (panels.workArea) {
        return nonEmpty(*panels.workArea & monitor);
    }
    return std::nullopt;
}

std::optional<Edge> panelEdge(const QRect& monitor, const QRect& available,
                              std::span<const QRect> docks) {
    if (const auto edge = insetEdge(monitor, available)) {
        return edge;
    }
    return dockEdge(monitor, docks);
}

} // namespace platform
