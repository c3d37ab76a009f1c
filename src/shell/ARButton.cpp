#include "shell/ARButton.h"

namespace shell {
namespace {

// Gold on midnight blue, lighter under the pointer and darker while pressed.
const QString kLook = QStringLiteral(
    "shell--ARButton { color: #f8f0dc; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #34407a, stop:1 #1c2350); border: 1px solid #e0b84c; border-radius: 5px;"
    " padding: 3px 6px; }"
    "shell--ARButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #4a5798, stop:1 #262f66); }"
    "shell--ARButton:pressed { background: #141a3c; }");

} // namespace

ARButton::ARButton(QWidget* parent) : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(kLook);
}

void ARButton::setPicture(const QPixmap& picture) {
    if (picture.isNull()) {
        return;
    }
    setText(QString());
    setIcon(QIcon(picture));
    setIconSize(picture.deviceIndependentSize().toSize());
}

} // namespace shell
