#include "shell/RotarImagen.h"

#include <cstring>
#include <vector>

namespace shell {
namespace {

constexpr int kBytesPerPixel = 4; // ARGB32
constexpr QRgb kOpaqueBlack = 0xFF000000;

struct Target {
    int x;
    int y;
};

Target targetOf(int mode, int x, int y, int w, int h) {
    switch (mode) {
    case 0:
        return {h - 1 - y, x};
    case 1:
        return {w - 1 - x, h - 1 - y};
    default:
        return {y, w - 1 - x};
    }
}

} // namespace

void RotarImagen(QImage& image, int mode, int x, int y, int w, int h) {
    const QRect area = QRect(x, y, w, h).intersected(image.rect());
    if (area.isEmpty()) {
        return;
    }
    if (image.format() != QImage::Format_ARGB32) {
        image = image.convertToFormat(QImage::Format_ARGB32);
    }
    w = area.width();
    h = area.height();
    if ((mode == 0 || mode == 2) && w != h) {
        return;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(kBytesPerPixel) * w;
    std::vector<uchar> source(rowBytes * h);
    std::vector<uchar> destination(rowBytes * h);
    for (std::size_t i = 0; i < destination.size(); i += kBytesPerPixel) {
        std::memcpy(&destination[i], &kOpaqueBlack, kBytesPerPixel);
    }
    for (int row = 0; row < h; ++row) {
        std::memcpy(&source[rowBytes * row],
                    image.constScanLine(area.y() + row) + kBytesPerPixel * area.x(), rowBytes);
    }
    if (mode >= 0 && mode <= 2) {
        for (int px = 0; px < w; ++px) {
            for (int py = 0; py < h; ++py) {
                const Target t = targetOf(mode, px, py, w, h);
                std::memcpy(&destination[kBytesPerPixel * (t.x + w * t.y)],
                            &source[kBytesPerPixel * (px + w * py)], kBytesPerPixel);
            }
        }
    }
    for (int row = 0; row < h; ++row) {
        std::memcpy(image.scanLine(area.y() + row) + kBytesPerPixel * area.x(),
                    &destination[rowBytes * row], rowBytes);
    }
}

} // namespace shell
