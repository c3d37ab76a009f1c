#include "support/X11Desktop.h"

#include "support/DesktopDeadline.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace testing_support {
namespace {

xcb_connection_t* qtConnection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool viewable(xcb_connection_t* c, xcb_window_t window) {
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    const bool mapped = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return mapped;
}

} // namespace

std::vector<QRect> monitorsOfTheRun() {
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d+)(?:/\d+)?x(\d+)(?:/\d+)?\+(\d+)\+(\d+)$)"));
    std::vector<QRect> monitors;
    for (const QString& text :
         qEnvironmentVariable("VELARCANA_TEST_MONITORS").split(u' ', Qt::SkipEmptyParts)) {
        const auto m = form.match(text);
        if (m.hasMatch()) {
            monitors.emplace_back(m.captured(3).toInt(), m.captured(4).toInt(),
                                  m.captured(1).toInt(), m.captured(2).toInt());
        }
    }
    return monitors;
}

void X11LayoutTest::SetUp() {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    ASSERT_FALSE(monitors.empty()) << "VELARCANA_TEST_MONITORS names no monitor";
    ASSERT_EQ(QGuiApplication::screens().size(), qsizetype(monitors.size()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().topLeft(), primary.topLeft());
    ASSERT_EQ(screen->geometry().size() * screen->devicePixelRatio(), primary.size());
}

QRect placeOnServer(const QWidget& window) {
    xcb_connection_t* c = qtConnection();
    if (!c) {
        ADD_FAILURE() << "no X connection";
        return {};
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const QDeadlineTimer deadline(kDesktopDeadlineMs);
    while (!viewable(c, id)) {
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "the window manager did not map the window";
            return {};
        }
        QTest::qWait(5);
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    xcb_translate_coordinates_reply_t* place =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr);
    const QRect rect = geometry && place
                           ? QRect(place->dst_x, place->dst_y, geometry->width, geometry->height)
                           : QRect();
    std::free(geometry);
    std::free(place);
    return rect;
}

} // namespace testing_support
