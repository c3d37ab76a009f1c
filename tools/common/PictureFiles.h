#pragma once

#include <QImage>
#include <QString>

// Writers of the generated pictures. Each returns false (after a message on stderr) when the
// file cannot be written; the output depends only on the image, never on the time of writing.
namespace tooldraw {

// Baseline JPEG of the fixed quality the program's pictures use.
bool writeJpeg(const QImage& image, const QString& path);

// PNG without any text or time chunk.
bool writePng(const QImage& image, const QString& path);

// GIF89a with one 256-colour palette chosen by median cut (giflib), no transparency.
bool writeGif(const QImage& image, const QString& path);

// Creates the folder (and its parents); false when that fails.
bool makeFolder(const QString& path);

} // namespace tooldraw
