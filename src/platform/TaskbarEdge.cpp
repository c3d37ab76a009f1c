#include "platform/TaskbarEdge.h"

#include "platform/WorkArea.h"
#include "platform/X11WorkArea.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

ScreenGeometry geometryOf(const QScreen& screen) {
    auto x11 = x11ScreenPanels(screen);
    if (!x11) {
        return {screen.geometry(), screen.availableGeometry(), {}};
    }
    return {screen.geometry(), x11->available.value_or(screen.availableGeometry()),
            std::move(x11->docks)};
}

class PrimaryScreen final : public ScreenSource {
public:
    std::optional<ScreenGeometry> primaryScreen() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            return std::nullopt;
        }
        return geometryOf(*screen);
    }
};

const PrimaryScreen primaryScreen;
const ScreenSource* current = &primaryScreen;

} // namespace

void setScreenSource(const ScreenSource* replacement) {
    current = replacement ? replacement : &primaryScreen;
}

std::optional<ScreenGeometry> primaryScreenGeometry() {
    return current->primaryScreen();
}

QRect availableGeometry(const QScreen& screen) {
    return geometryOf(screen).available;
}

int taskbarEdge() {
    const auto screen = primaryScreenGeometry();
    if (!screen) {
        return static_cast<int>(Edge::Left);
    }
    return static_cast<int>(
        panelEdge(screen->full, screen->available, screen->docks).value_or(Edge::Left));
}

} // namespace platform
