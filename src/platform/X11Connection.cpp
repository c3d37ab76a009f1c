#include "platform/X11Connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace platform {

xcb_connection_t* qtX11Connection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    return c && xcb_connection_has_error(c) == 0 ? c : nullptr;
}

int defaultX11Screen() {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) != 0) {
        std::free(host);
    }
    return screen;
}

} // namespace platform
