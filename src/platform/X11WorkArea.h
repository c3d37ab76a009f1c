#pragma once

#include "platform/WorkArea.h"

#include <QRect>

#include <optional>
#include <vector>

class QScreen;

namespace platform {

// The root window's size, the struts and dock rectangles of the windows the window manager lists
// and its work area, read through Qt's own X connection; nothing on any platform but X11 (xcb).
std::optional<DesktopPanels> readX11Panels();

// One screen as the X window manager knows it, in Qt's coordinates.
struct X11ScreenPanels {
    // The part left to windows; nothing when the window manager tells nothing. Qt itself clips
    // the one work area of the whole desktop to each monitor: a panel on one monitor cuts the
    // others too, and one along the edge between two leaves nothing of the monitor beyond it.
    std::optional<QRect> available;
    // The parts of the dock windows that lie on the screen.
    std::vector<QRect> docks;
};

// Nothing off X11.
std::optional<X11ScreenPanels> x11ScreenPanels(const QScreen& screen);

} // namespace platform
