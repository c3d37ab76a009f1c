#pragma once

#include <QPoint>

#include <optional>

namespace platform {

// GetCursorPos: the pointer position on the screen, in pixels.
QPoint GetCursorPos();

// Tests pin the pointer; nothing goes back to the real one.
void setCursorPosOverride(std::optional<QPoint> position);

} // namespace platform
