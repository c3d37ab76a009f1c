#include "biorhythms/JpegEncoder.h"

#include "runtime/FileWrite.h"
#include "runtime/MessageBox.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>

namespace biorhythms {

std::optional<QByteArray> GetEncoderClsid(const QString& mimeType,
                                          const QList<QByteArray>& encoders) {
    for (const QByteArray& encoder : encoders) {
        if (QString::fromLatin1(encoder).compare(mimeType, Qt::CaseInsensitive) == 0) {
            return encoder;
        }
    }
    return std::nullopt;
}

int clampQuality(int quality) {
    return std::clamp(quality, 0, 100);
}

bool SaveJPG(const QImage& picture, const QString& fileName, int quality,
             const QList<QByteArray>& encoders) {
    if (picture.isNull()) {
        return false;
    }
    const std::optional<QByteArray> encoder =
        GetEncoderClsid(QStringLiteral("image/jpeg"), encoders);
    const QList<QByteArray> formats =
        encoder ? QImageWriter::imageFormatsForMimeType(*encoder) : QList<QByteArray>();
    if (formats.isEmpty()) {
        runtime::MsgBox(QStringLiteral("Konnte keinen passenden Encoder ermitteln."),
                        runtime::vbOKOnly, QStringLiteral("Encoder Error"));
        return false;
    }
    // Encoded whole first, so that the file is written, and checked, in one piece.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, formats.first());
    writer.setQuality(clampQuality(quality));
    return writer.write(picture) && runtime::replaceFile(fileName, jpeg);
}

} // namespace biorhythms
