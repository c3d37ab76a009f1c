#include "PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <gif_lib.h>

#include <cstdio>
#include <vector>

namespace tooldraw {

namespace {

constexpr int kJpegQuality = 92;
constexpr int kGifColours = 256;
constexpr int kGifColourBits = 8;

bool report(const QString& path, const QString& why) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(why));
    return false;
}

bool writeWith(const QImage& image, const QString& path, const char* format, int quality) {
    QImageWriter writer(path, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    if (!writer.write(image)) {
        return report(path, writer.errorString());
    }
    return true;
}

} // namespace

bool writeJpeg(const QImage& image, const QString& path) {
    return writeWith(image.convertToFormat(QImage::Format_RGB888), path, "jpeg", kJpegQuality);
}

bool writePng(const QImage& image, const QString& path) {
    return writeWith(image, path, "png", -1);
}

bool writeGif(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    for (int y = 0; y < height; ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * width + x;
            red[at] = line[3 * x];
            green[at] = line[3 * x + 1];
            blue[at] = line[3 * x + 2];
        }
    }
    int colours = kGifColours;
    std::vector<GifColorType> palette(kGifColours);
    if (GifQuantizeBuffer(width, height, &colours, red.data(), green.data(), blue.data(),
                          indices.data(), palette.data()) == GIF_ERROR) {
        return report(path, "colour quantisation failed");
    }
    ColorMapObject* map = GifMakeMapObject(kGifColours, palette.data());
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return report(path, QString::fromUtf8(GifErrorString(error)));
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, kGifColourBits, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < height; ++y) {
        ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * width, width) !=
             GIF_ERROR;
    }
    const int closeResult = EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    if (!ok || closeResult == GIF_ERROR) {
        return report(path, QString::fromUtf8(GifErrorString(error)));
    }
    return true;
}

bool makeFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        return report(path, "cannot create the folder");
    }
    return true;
}

} // namespace tooldraw
