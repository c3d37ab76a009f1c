#pragma once

#include "shell/ModuleForm.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace testing_support {

// A main window that keeps only the shell's behaviour: a target for switching.
class TargetWindow : public shell::ModuleForm {
public:
    explicit TargetWindow(const QString& name) : shell::ModuleForm(name, name) {}
};

// A PNG picture of one colour, or red above and blue below when `split`.
inline QByteArray pictureBytes(QColor colour, QSize size = QSize(24, 24), bool split = false) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    if (split) {
        QPainter(&image).fillRect(0, size.height() / 2, size.width(), size.height() / 2,
                                  QColor(0, 0, 255));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The colour at the centre of what a picture box shows; invalid when it shows nothing.
inline QColor centreColour(const QLabel* label) {
    const QImage image = label->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

// Gives the control the focus the way the user does: its window is activated, and the Tab key
// moves the focus along the tab order until it lands on the control. False when it never does.
inline bool tabInto(QWidget* control) {
    QWidget* window = control->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        return false;
    }
    for (int presses = 0; presses < 16 && QApplication::focusWidget() != control; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
    }
    return QApplication::focusWidget() == control;
}

// Pastes the text into the box as the user does: the text goes to the clipboard, the box gets the
// focus by Tab and Ctrl+V pastes at its cursor. False when the box never gets the focus.
inline bool pasteInto(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    if (!tabInto(box)) {
        return false;
    }
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return true;
}

} // namespace testing_support
