#include "runtime/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

constexpr mode_t kNewFileMode = 0666; // less the user's umask

// A pipe opens without waiting for its other end, and no terminal becomes the program's own.
int openFlags(QIODevice::OpenMode mode) {
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (mode & QIODevice::Append) {
        return flags | O_WRONLY | O_APPEND;
    }
    return flags | ((mode & QIODevice::WriteOnly) ? O_RDWR : O_RDONLY);
}

bool isRegular(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

FileKind fileKind(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ENOENT ? FileKind::Missing : FileKind::Other;
    }
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

Opened openRegular(QFile& file, const QString& path, QIODevice::OpenMode mode, bool createMissing) {
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Other || (kind == FileKind::Missing && !createMissing)) {
        return Opened::No;
    }
    const QByteArray name = QFile::encodeName(path);
    const int flags = openFlags(mode);
    Opened opened = Opened::Existing;
    int descriptor = ::open(name.constData(), flags);
    if (descriptor < 0 && errno == ENOENT && createMissing) {
        descriptor = ::open(name.constData(), flags | O_CREAT, kNewFileMode);
        opened = Opened::Created;
    }
    if (descriptor < 0) {
        return Opened::No;
    }
    if (!isRegular(descriptor) ||
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !file.open(descriptor, mode, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Opened::No;
    }
    return opened;
}

} // namespace runtime
