#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr mode_t kUserOnly = 0700;

// A folder of this user (not a link to one) in which nobody else may write, so that nobody else
// can put a lock there first.
bool isUsersOwnFolder(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The session's runtime folder as it is given: where it is missing or unusable, Qt would take
// one in the shared temporary folder, where another user can take the name first.
QString lockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isUsersOwnFolder(runtime)) {
        return runtime;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(cache).filePath(QStringLiteral("Velarcana"));
}

// Makes the missing folders of the path, each one for the user alone.
bool makeUserFolders(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        return info.isDir();
    }
    const QString parent = info.absolutePath();
    if (parent != path && !makeUserFolders(parent)) {
        return false;
    }
    return ::mkdir(QFile::encodeName(path).constData(), kUserOnly) == 0 || errno == EEXIST;
}

// As Qt tells a live holder: the process is there and runs the program that wrote the lock.
bool processRuns(qint64 pid, const QString& program) {
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
        return false;
    }
    QString executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    // A program replaced on disk while it runs (installed anew) is still that program.
    const QLatin1String replaced(" (deleted)");
    if (executable.endsWith(replaced)) {
        executable.chop(replaced.size());
    }
    return executable.isEmpty() || program.isEmpty() || QFileInfo(executable).fileName() == program;
}

// Qt takes the place of a lock whose holder is gone, but only through a second lock file of its
// own, which a full disk or a file size limit does not let it write: the lock that is left then
// still tells no running instance. A holder on another machine cannot be told, and counts.
bool holderRuns(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program)) {
        return true;
    }
    const bool sameMachine = host.isEmpty() || host == QSysInfo::machineHostName();
    return !sameMachine || processRuns(pid, program);
}

} // namespace

// Keyed by the program folder and kept outside it, so that a read-only program folder still
// refuses a second start, and another user may run the same program folder.
InstanceLock::InstanceLock(const QString& programFolder) {
    const QString folder = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_path =
        QDir(lockFolder()).filePath(QStringLiteral("velarcana-%1.lock").arg(QLatin1String(key)));
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
}

InstanceLock::Outcome InstanceLock::acquire() {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!makeUserFolders(folder) || !isUsersOwnFolder(folder)) {
        return Outcome::Unavailable;
    }
    if (m_lock->tryLock(0)) {
        return Outcome::Taken;
    }
    // Only a lock file with a live holder; a file that cannot be made says nothing of one.
    const bool held = m_lock->error() == QLockFile::LockFailedError && holderRuns(*m_lock);
    return held ? Outcome::Running : Outcome::Unavailable;
}

} // namespace platform
