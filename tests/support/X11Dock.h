#pragma once

#include <QRect>

#include <cstdint>

struct xcb_connection_t;

namespace testing_support {

// A panel of our own on the X display (a client of its own): a dock window along one edge of a
// monitor that reserves its room, or none as an autohiding panel, listed by the window manager
// while the object lives.
class X11Dock {
public:
    // _NET_WM_STRUT_PARTIAL, only _NET_WM_STRUT, or no strut at all (the strip an autohiding panel
    // keeps on the screen).
    enum class Reserve { Partial, WholeEdgesOnly, Nothing };

    // `thickness` device pixels deep along `edge` (0 left, 1 top, 2 right, 3 bottom) of `monitor`
    // (device pixels, root coordinates). Returns once the window manager lists it.
    X11Dock(const QRect& monitor, int edge, int thickness, Reserve reserve = Reserve::Partial);
    ~X11Dock();
    X11Dock(const X11Dock&) = delete;
    X11Dock& operator=(const X11Dock&) = delete;

private:
    bool listed() const;
    void waitUntilListed(bool wanted) const;

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint32_t m_window = 0;
};

} // namespace testing_support
