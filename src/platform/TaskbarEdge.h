#pragma once

namespace platform {

// The screen edge where the taskbar (panel) lies: 0 left, 1 top, 2 right, 3 bottom; 0 when no
// edge can be found. Read from the primary screen's available geometry against its full one.
int taskbarEdge();

// Tests pin an edge; -1 goes back to the screen.
void setTaskbarEdgeOverride(int edge);

} // namespace platform
