#pragma once

class QWidget;

namespace platform {

// SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST: the window stays above all others, or no
// longer does; position and size stay.
void setTopmost(QWidget* window, bool topmost);

// SetForegroundWindow: raises and activates a window that is shown.
void SetForegroundWindow(QWidget* window);

// ReleaseCapture: the widget that grabbed the mouse lets it go.
void ReleaseCapture();

} // namespace platform
