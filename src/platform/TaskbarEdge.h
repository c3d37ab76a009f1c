#pragma once

#include <QRect>

#include <optional>
#include <vector>

class QScreen;

namespace platform {

// A screen's full geometry and the part left to windows once panels are taken off (on X11 as the
// window manager knows it, otherwise as Qt reports it), with the parts of the dock windows (panels)
// that lie on it.
struct ScreenGeometry {
    QRect full;
    QRect available;
    std::vector<QRect> docks;
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

// The part of a screen left to windows once panels are taken off, read as the taskbar query reads
// it: on X11 the panels' struts, else the work area; otherwise (or when the window manager tells
// nothing) as Qt reports it.
QRect availableGeometry(const QScreen& screen);

// The screen edge where the taskbar (panel) lies: 0 left, 1 top, 2 right, 3 bottom; 0 when no
// edge can be found. Read from the primary screen: the edge where its available geometry is inset,
// the bottom first; where nothing is reserved, the edge a dock window lies along (an autohiding
// panel).
int taskbarEdge();

} // namespace platform
