#pragma once

#include <QRect>

#include <optional>

namespace platform {

// A screen's full geometry and the part left to windows once panels are taken off (on X11 as the
// window manager knows it, otherwise as Qt reports it).
struct ScreenGeometry {
    QRect full;
    QRect available;
};

// Where the primary screen's geometry comes from; tests install a fake screen.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    // Nothing when there is no screen.
    virtual std::optional<ScreenGeometry> primaryScreen() const = 0;
};

// Installs another source (not owned); nullptr puts the real screen back.
void setScreenSource(const ScreenSource* replacement);

// The primary screen as the current source sees it; nothing when there is no screen.
std::optional<ScreenGeometry> primaryScreenGeometry();

// The screen edge where the taskbar (panel) lies: 0 left, 1 top, 2 right, 3 bottom; 0 when no
// edge can be found. Read from the primary screen's available geometry against its full one: the
// edge where it is inset, the bottom first.
int taskbarEdge();

} // namespace platform
