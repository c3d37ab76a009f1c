#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace platform {

// The lock lives in the temporary folder, keyed by the program folder, so that a read-only
// program folder still refuses a second start.
InstanceLock::InstanceLock(const QString& programFolder) {
    const QString folder = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_lock = std::make_unique<QLockFile>(
        QDir::temp().filePath(QStringLiteral("velarcana-%1.lock").arg(QString::fromLatin1(key))));
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    return m_lock->tryLock(0);
}

} // namespace platform
