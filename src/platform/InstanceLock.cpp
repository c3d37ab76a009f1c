#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {
namespace {

// In the user's own runtime folder (XDG_RUNTIME_DIR), so that another user may run the same
// program folder; without one, in the temporary folder under the user's number.
QString lockPath(const QString& key) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        return QDir(runtime).filePath(QStringLiteral("velarcana-%1.lock").arg(key));
    }
    return QDir::temp().filePath(QStringLiteral("velarcana-%1-%2.lock").arg(getuid()).arg(key));
}

} // namespace

// Keyed by the program folder and kept outside it, so that a read-only program folder still
// refuses a second start.
InstanceLock::InstanceLock(const QString& programFolder) {
    const QString folder = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_lock = std::make_unique<QLockFile>(lockPath(QString::fromLatin1(key)));
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    return m_lock->tryLock(0);
}

} // namespace platform
