#pragma once

#include "platform/WorkArea.h"

#include <QRect>

#include <optional>

class QScreen;

namespace platform {

// The root window's size, the struts of the windows the window manager lists and its work area,
// read through Qt's own X connection; nothing on any platform but X11 (xcb).
std::optional<DesktopPanels> readX11Panels();

// The part of the screen left to windows as the X window manager knows it, in Qt's coordinates;
// nothing off X11 or when the window manager tells nothing. Qt itself reports the whole monitor
// as available as soon as there is more than one.
std::optional<QRect> x11AvailableGeometry(const QScreen& screen);

} // namespace platform
