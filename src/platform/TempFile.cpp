#include "platform/TempFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace platform {
namespace {

constexpr int kPathBuffer = 340;
constexpr quint32 kUniqueNumbers = 0xFFFF;

} // namespace

std::optional<QString> GetTempPath() {
    const QString folder = QDir::tempPath();
    const QFileInfo info(folder);
    if (!info.isDir() || folder.size() + 1 >= kPathBuffer) {
        return std::nullopt;
    }
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

std::optional<QString> GetTempFileName(const QString& folder, const QString& prefix) {
    // Like the system, start at an arbitrary number and take the first free one.
    const quint32 start = QRandomGenerator::global()->bounded(kUniqueNumbers);
    for (quint32 step = 0; step < kUniqueNumbers; ++step) {
        const quint32 unique = (start + step) % kUniqueNumbers + 1;
        const QString name =
            prefix + QString::number(unique, 16).toUpper().rightJustified(4, QLatin1Char('0')) +
            QStringLiteral(".tmp");
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return file.fileName();
        }
        if (!QFileInfo(folder).isDir()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace platform
