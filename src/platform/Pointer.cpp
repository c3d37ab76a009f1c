#include "platform/Pointer.h"

#include <QCursor>

namespace platform {
namespace {

std::optional<QPoint>& pinned() {
    static std::optional<QPoint> position;
    return position;
}

} // namespace

QPoint GetCursorPos() {
    return pinned() ? *pinned() : QCursor::pos();
}

void setCursorPosOverride(std::optional<QPoint> position) {
    pinned() = position;
}

} // namespace platform
