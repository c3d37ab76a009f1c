#include "shell/MoonPicture.h"

#include "runtime/ProgramFolder.h"
#include "shell/RotarImagen.h"

#include <QPainter>

#include <cmath>

namespace shell {
namespace {

constexpr int kDegreesPerPicture = 12; // round(angle / 2) / 6
constexpr int kUnturnedBorder = 4;     // pixels on the right and at the bottom

} // namespace

int moonPictureNumber(runtime::Single angle) {
    const double half = runtime::roundHalfEven(angle / 2.0);
    return static_cast<int>(std::floor(half / (kDegreesPerPicture / 2)));
}

QString moonPicturePath(runtime::Single angle) {
    return runtime::programPath(
        QStringLiteral("\\lunagif\\moon%1.gif").arg(moonPictureNumber(angle)));
}

QImage moonPictureBox(runtime::Single angle, const QString& hemisferioSel, QSize box) {
    QImage image(box, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QImage picture(moonPicturePath(angle));
    if (picture.isNull()) {
        return image;
    }
    // A box smaller than the picture shows it whole, made smaller, inside its border.
    const QSize room = box - QSize(kUnturnedBorder, kUnturnedBorder);
    if (picture.width() > room.width() || picture.height() > room.height()) {
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
    }
    if (hemisferioSel == QLatin1String("Sur")) {
        RotarImagen(image, 1, 0, 0, box.width() - kUnturnedBorder, box.height() - kUnturnedBorder);
    }
    return image;
}

} // namespace shell
