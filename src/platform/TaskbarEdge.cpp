#include "platform/TaskbarEdge.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

int overrideEdge = -1;

enum Edge { Left = 0, Top = 1, Right = 2, Bottom = 3 };

} // namespace

void setTaskbarEdgeOverride(int edge) {
    overrideEdge = edge;
}

int taskbarEdge() {
    if (overrideEdge >= 0) {
        return overrideEdge;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return Left;
    }
    const QRect full = screen->geometry();
    const QRect available = screen->availableGeometry();
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
