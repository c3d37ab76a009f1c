#include "platform/TaskbarEdge.h"

#include "platform/X11WorkArea.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

enum Edge { Left = 0, Top = 1, Right = 2, Bottom = 3 };

class PrimaryScreen final : public ScreenSource {
public:
    std::optional<ScreenGeometry> primaryScreen() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            return std::nullopt;
        }
        return ScreenGeometry{screen->geometry(),
                              x11AvailableGeometry(*screen).value_or(screen->availableGeometry())};
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

int taskbarEdge() {
    const auto screen = primaryScreenGeometry();
    if (!screen) {
        return Left;
    }
    const QRect& full = screen->full;
    const QRect& available = screen->available;
    if (available.bottom() < full.bottom()) {
        return Bottom;
    }
    if (available.top() > full.top()) {
        return Top;
    }
    if (available.right() < full.right()) {
        return Right;
    }
    return Left;
}

} // namespace platform
