#pragma once

#include <QByteArray>
#include <QImageWriter>
#include <QList>
#include <QString>

#include <optional>

class QImage;

namespace biorhythms {

// The first of the encoders' MIME types equal to the wanted one without regard to case.
std::optional<QByteArray> GetEncoderClsid(const QString& mimeType,
                                          const QList<QByteArray>& encoders);

// JPEG quality 0..100: above 100 is 100, below 0 is 0.
int clampQuality(int quality);

// Writes the picture as a JPEG file; true when the whole file was written. A failed write
// keeps the file that was there. Without a JPEG encoder it says so in a message box.
bool SaveJPG(const QImage& picture, const QString& fileName, int quality,
             const QList<QByteArray>& encoders = QImageWriter::supportedMimeTypes());

} // namespace biorhythms
