#pragma once

#include "platform/NotifyIconData.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

namespace platform {

// The notification area (tray) of the desktop. The real one stands on QSystemTrayIcon: the
// icon's clicks come back as WM_LBUTTONUP (514), WM_LBUTTONDBLCLK (515) and WM_RBUTTONUP (517),
// and pointer moves over the icon as WM_MOUSEMOVE (512), found by polling the pointer against the
// icon's geometry every 100 ms, where the tray host reports one.
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    // NIM_ADD, NIM_MODIFY or NIM_DELETE of the icon (hWnd, uID) with the fields uFlags names;
    // a balloon shows when NIF_INFO comes with a text or title and goes when both are empty.
    virtual bool notifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
    // Whether a tray host exists right now.
    virtual bool isAvailable() const = 0;
    // The screen rectangle (pixels) of the tray icon at a point; empty when there is none.
    virtual QRect iconRectAt(const QPoint& point) const = 0;
};

NotifyArea& notifyArea();
// Installs another notification area (not owned); nullptr puts the real one back.
void setNotifyArea(NotifyArea* area);

// Shell_NotifyIcon(message, data): true when the operation was done.
bool Shell_NotifyIcon(std::uint32_t message, const NotifyIconData& data);

// Windows that would hide into the tray stay reachable where this is false.
bool trayAvailable();

} // namespace platform
