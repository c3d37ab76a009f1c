#include "platform/WindowOrder.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void setTopmost(QWidget* window, bool topmost) {
    // Through the native window, so that a shown window is not hidden and re-created.
    if (QWindow* handle = window->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    if (topmost) {
        window->raise();
    }
}

void SetForegroundWindow(QWidget* window) {
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

void ReleaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
}

} // namespace platform
