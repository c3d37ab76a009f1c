#pragma once

#include "platform/NotifyIconData.h"

#include <QPoint>
#include <QRect>

#include <cstdint>

class QMenu;

namespace platform {

// The notification area (tray) of the desktop. The real one stands on QSystemTrayIcon: the
// icon's clicks come back as WM_LBUTTONUP (514), WM_LBUTTONDBLCLK (515) and WM_RBUTTONUP (517).
// Where the icon is a window of our own (XEmbed trays), pointer moves over it come back as
// WM_MOUSEMOVE (512) from that window's own pointer events. A StatusNotifierItem host shows the
// icon's menu and tooltip itself and tells nothing of the pointer.
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    // NIM_ADD, NIM_MODIFY or NIM_DELETE of the icon (hWnd, uID) with the fields uFlags names;
    // a balloon shows when NIF_INFO comes with a text or title and goes when both are empty.
    // A balloon that shows sounds the desktop's "dialog-information" unless dwInfoFlags has
    // NIIF_NOSOUND.
    virtual bool notifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
    // Whether a tray host exists right now.
    virtual bool isAvailable() const = 0;
    // The screen rectangle (pixels) of the tray icon at a point; empty when there is none.
    virtual QRect iconRectAt(const QPoint& point) const = 0;
    // Whether the host opens the icon's menu on a right click and shows the icon's tooltip on
    // hover itself, knowing no position of the icon (StatusNotifierItem hosts).
    virtual bool hostShowsMenuAndTip() const = 0;
    // For such hosts: the menu and the tooltip (any length, lines joined by CR LF) of the icon
    // (hWnd, uID) of data. Elsewhere the icon must carry neither, or a right click would open two
    // menus and a hover show two tips.
    virtual void setIconMenu(const NotifyIconData& data, QMenu* menu) = 0;
    virtual void setIconToolTip(const NotifyIconData& data, const QString& text) = 0;
};

// How long a balloon stays up by itself: the shell's usual balloon time. The tray control takes
// it away sooner, as soon as the pointer leaves the icon.
constexpr int kBalloonTimeoutMs = 10000;

NotifyArea& notifyArea();
// Installs another notification area (not owned); nullptr puts the real one back.
void setNotifyArea(NotifyArea* area);

// Shell_NotifyIcon(message, data): true when the operation was done.
bool Shell_NotifyIcon(std::uint32_t message, const NotifyIconData& data);

// Windows that would hide into the tray stay reachable where this is false.
bool trayAvailable();

// The host of the tray shows the icon's menu and tooltip itself (see NotifyArea).
bool hostShowsMenuAndTip();

} // namespace platform
