#include "shell/ARButton.h"

#include "forms/Look.h"

namespace shell {

ARButton::ARButton(QWidget* parent) : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(forms::ownLook(forms::Style::Command));
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
