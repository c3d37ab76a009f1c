#pragma once

#include "shell/ModuleForm.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPainter>

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

} // namespace testing_support
