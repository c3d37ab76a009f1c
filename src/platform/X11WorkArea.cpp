#include "platform/X11WorkArea.h"

#include "platform/X11Connection.h"

#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

constexpr std::uint32_t kMaxClients = 4096;
constexpr std::uint32_t kMaxDesktops = 64;
constexpr std::uint32_t kMaxWindowTypes = 16;

struct Atoms {
    xcb_atom_t clientList, workArea, currentDesktop, strutPartial, strut, windowType, dock;
};

Atoms askAtoms(xcb_connection_t* c) {
    static const char* const kNames[] = {"_NET_CLIENT_LIST",        "_NET_WORKAREA",
                                         "_NET_CURRENT_DESKTOP",    "_NET_WM_STRUT_PARTIAL",
                                         "_NET_WM_STRUT",           "_NET_WM_WINDOW_TYPE",
                                         "_NET_WM_WINDOW_TYPE_DOCK"};
    xcb_intern_atom_cookie_t cookies[std::size(kNames)];
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        cookies[i] =
            xcb_intern_atom(c, 1, static_cast<std::uint16_t>(std::strlen(kNames[i])), kNames[i]);
    }
    xcb_atom_t atoms[std::size(kNames)];
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3], atoms[4], atoms[5], atoms[6]};
}

// Asked once per connection: the panels are read again on every hover move over the tray icon.
const Atoms& atomsOf(xcb_connection_t* c) {
    static xcb_connection_t* asked = nullptr;
    static Atoms atoms{};
    if (c != asked) {
        atoms = askAtoms(c);
        asked = c;
    }
    return atoms;
}

xcb_get_property_cookie_t requestProperty(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type,
                                          std::uint32_t longs) {
    return xcb_get_property(c, 0, window, property, type, 0, longs);
}

// The 32-bit values of a property; none when it is missing, of another type, or its window has
// gone meanwhile.
std::vector<std::uint32_t> propertyValues(xcb_connection_t* c, xcb_get_property_cookie_t cookie,
                                          xcb_atom_t type) {
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error));
    std::free(error);
    if (!reply || reply->type != type || reply->format != 32) {
        return {};
    }
    const auto* first = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {first, first + xcb_get_property_value_length(reply.get()) / 4};
}

// The root window of the screen the display name asks for.
std::optional<xcb_window_t> rootWindow(xcb_connection_t* c) {
    int screen = defaultX11Screen();
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem > 0;
         xcb_screen_next(&it), --screen) {
        if (screen == 0) {
            return it.data->root;
        }
    }
    return std::nullopt;
}

struct ClientCookies {
    xcb_get_property_cookie_t partial, whole, type;
};

bool isDock(const std::vector<std::uint32_t>& types, const Atoms& atoms) {
    return atoms.dock != XCB_ATOM_NONE &&
           std::find(types.begin(), types.end(), atoms.dock) != types.end();
}

// Where the dock windows lie on the root window; a window gone meanwhile is left out.
std::vector<QRect> rectanglesOf(xcb_connection_t* c, const std::vector<xcb_window_t>& docks,
                                xcb_window_t root) {
    std::vector<std::pair<xcb_get_geometry_cookie_t, xcb_translate_coordinates_cookie_t>> cookies;
    cookies.reserve(docks.size());
    for (const xcb_window_t dock : docks) {
        cookies.emplace_back(xcb_get_geometry(c, dock),
                             xcb_translate_coordinates(c, dock, root, 0, 0));
    }
    std::vector<QRect> rects;
    for (const auto& [geometryCookie, placeCookie] : cookies) {
        const Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(c, geometryCookie, nullptr));
        const Reply<xcb_translate_coordinates_reply_t> place(
            xcb_translate_coordinates_reply(c, placeCookie, nullptr));
        if (geometry && place) {
            rects.emplace_back(place->dst_x, place->dst_y, geometry->width, geometry->height);
        }
    }
    return rects;
}

// The struts of the listed windows, and the rectangles of those that are docks.
void readClients(xcb_connection_t* c, const std::vector<std::uint32_t>& windows, const Atoms& atoms,
                 xcb_window_t root, DesktopPanels& panels) {
    std::vector<ClientCookies> cookies;
    cookies.reserve(windows.size());
    for (const xcb_window_t window : windows) {
        cookies.push_back(
            {requestProperty(c, window, atoms.strutPartial, XCB_ATOM_CARDINAL, 12),
             requestProperty(c, window, atoms.strut, XCB_ATOM_CARDINAL, 4),
             requestProperty(c, window, atoms.windowType, XCB_ATOM_ATOM, kMaxWindowTypes)});
    }
    std::vector<xcb_window_t> docks;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const auto partial =
            Strut::fromPartial(propertyValues(c, cookies[i].partial, XCB_ATOM_CARDINAL));
        const auto whole = Strut::fromWholeEdges(
            propertyValues(c, cookies[i].whole, XCB_ATOM_CARDINAL), panels.root);
        if (partial || whole) {
            panels.struts.push_back(partial ? *partial : *whole);
        }
        if (isDock(propertyValues(c, cookies[i].type, XCB_ATOM_ATOM), atoms)) {
            docks.push_back(windows[i]);
        }
    }
    panels.docks = rectanglesOf(c, docks, root);
}

} // namespace

std::optional<DesktopPanels> readX11Panels() {
    xcb_connection_t* c = qtX11Connection();
    const auto root = c ? rootWindow(c) : std::nullopt;
    if (!root) {
        return std::nullopt;
    }
    const Atoms& atoms = atomsOf(c);
    const auto geometryCookie = xcb_get_geometry(c, *root);
    const auto clients = requestProperty(c, *root, atoms.clientList, XCB_ATOM_WINDOW, kMaxClients);
    const auto areas =
        requestProperty(c, *root, atoms.workArea, XCB_ATOM_CARDINAL, 4 * kMaxDesktops);
    const auto desktop = requestProperty(c, *root, atoms.currentDesktop, XCB_ATOM_CARDINAL, 1);
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, geometryCookie, nullptr));
    const std::vector<std::uint32_t> windows = propertyValues(c, clients, XCB_ATOM_WINDOW);
    const std::vector<std::uint32_t> areaValues = propertyValues(c, areas, XCB_ATOM_CARDINAL);
    const std::vector<std::uint32_t> desktopValue = propertyValues(c, desktop, XCB_ATOM_CARDINAL);
    if (!geometry) {
        return std::nullopt;
    }
    DesktopPanels panels;
    panels.root = QSize(geometry->width, geometry->height);
    readClients(c, windows, atoms, *root, panels);
    panels.workArea = currentWorkArea(areaValues, desktopValue);
    return panels;
}

std::optional<X11ScreenPanels> x11ScreenPanels(const QScreen& screen) {
    const auto panels = readX11Panels();
    if (!panels) {
        return std::nullopt;
    }
    // Qt scales a screen's geometry about its top-left corner; X speaks in device pixels.
    const qreal ratio = screen.devicePixelRatio();
    const QRect logical = screen.geometry();
    const QPointF origin = logical.topLeft();
    const QRect device(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize());
    const auto toQt = [&](const QRect& rect) {
        return QRectF(origin + (QPointF(rect.topLeft()) - origin) / ratio,
                      QSizeF(rect.size()) / ratio);
    };
    X11ScreenPanels result;
    if (const auto area = availableArea(*panels, device)) {
        result.available = toQt(*area).toRect();
    }
    for (const QRect& dock : panels->docks) {
        const QRect part = dock & device;
        if (!part.isEmpty()) {
            result.docks.push_back(toQt(part).toAlignedRect() & logical);
        }
    }
    return result;
}

} // namespace platform
