#include "support/X11Dock.h"

#include "support/DesktopDeadline.h"

#include <QDeadlineTimer>
#include <QSize>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace testing_support {
namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

QSize rootSize(xcb_connection_t* c, xcb_window_t root) {
    xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr);
    const QSize size = reply ? QSize(reply->width, reply->height) : QSize();
    std::free(reply);
    return size;
}

// The dock's rectangle and the 12 strut values that reserve it, relative to the root's edges.
std::pair<QRect, std::array<std::uint32_t, 12>> dockAt(const QRect& m, int edge, int t,
                                                       QSize root) {
    const auto u = [](int value) { return static_cast<std::uint32_t>(value); };
    switch (edge) {
    case 0:
        return {QRect(m.x(), m.y(), t, m.height()),
                {u(m.x() + t), 0, 0, 0, u(m.top()), u(m.bottom()), 0, 0, 0, 0, 0, 0}};
    case 1:
        return {QRect(m.x(), m.y(), m.width(), t),
                {0, 0, u(m.y() + t), 0, 0, 0, 0, 0, u(m.left()), u(m.right()), 0, 0}};
    case 2:
        return {QRect(m.right() + 1 - t, m.y(), t, m.height()),
                {0, u(root.width() - (m.right() + 1 - t)), 0, 0, 0, 0, u(m.top()), u(m.bottom()), 0,
                 0, 0, 0}};
    default:
        return {QRect(m.x(), m.bottom() + 1 - t, m.width(), t),
                {0, 0, 0, u(root.height() - (m.bottom() + 1 - t)), 0, 0, 0, 0, 0, 0, u(m.left()),
                 u(m.right())}};
    }
}

} // namespace

X11Dock::X11Dock(const QRect& monitor, int edge, int thickness, Reserve reserve) {
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection) != 0) {
        ADD_FAILURE() << "no X display for the dock";
        return;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (; screenNumber > 0 && screens.rem > 0; --screenNumber) {
        xcb_screen_next(&screens);
    }
    m_root = screens.data->root;
    const auto [rect, strut] = dockAt(monitor, edge, thickness, rootSize(m_connection, m_root));

    m_window = xcb_generate_id(m_connection);
    const std::uint32_t background = screens.data->black_pixel;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, m_root,
                      static_cast<std::int16_t>(rect.x()), static_cast<std::int16_t>(rect.y()),
                      static_cast<std::uint16_t>(rect.width()),
                      static_cast<std::uint16_t>(rect.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screens.data->root_visual, XCB_CW_BACK_PIXEL, &background);
    const xcb_atom_t dock = atom(m_connection, "_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window,
                        atom(m_connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dock);
    if (reserve == Reserve::Partial) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window,
                            atom(m_connection, "_NET_WM_STRUT_PARTIAL"), XCB_ATOM_CARDINAL, 32, 12,
                            strut.data());
    }
    if (reserve != Reserve::Nothing) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window,
                            atom(m_connection, "_NET_WM_STRUT"), XCB_ATOM_CARDINAL, 32, 4,
                            strut.data());
    }
    xcb_map_window(m_connection, m_window);
    xcb_flush(m_connection);
    waitUntilListed(true);
}

X11Dock::~X11Dock() {
    if (m_window != 0) {
        xcb_destroy_window(m_connection, m_window);
        xcb_flush(m_connection);
        waitUntilListed(false);
    }
    xcb_disconnect(m_connection);
}

bool X11Dock::listed() const {
    const auto cookie = xcb_get_property(
        m_connection, 0, m_root, atom(m_connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 4096);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
    bool found = false;
    if (reply && reply->format == 32) {
        const auto* windows = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        found = std::find(windows, windows + count, m_window) != windows + count;
    }
    std::free(reply);
    return found;
}

void X11Dock::waitUntilListed(bool wanted) const {
    const QDeadlineTimer deadline(kDesktopDeadlineMs);
    while (listed() != wanted) {
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "the window manager did not " << (wanted ? "list" : "drop")
                          << " the dock within " << kDesktopDeadlineMs << " ms";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace testing_support
