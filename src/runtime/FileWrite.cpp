#include "runtime/FileWrite.h"

#include "runtime/RegularFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace runtime {
namespace {

bool writeWhole(QFileDevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush() && syncToDisk(file.handle());
}

bool putAt(QFile& file, const QByteArray& bytes) {
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) &&
           syncToDisk(file.handle());
}

} // namespace

bool syncToDisk(int descriptor) {
    // A descriptor that cannot be synced (a pipe, a device) has nothing kept back to lose.
    return fsync(descriptor) == 0 || errno == EINVAL;
}

bool replaceFile(const QString& path, const QByteArray& bytes, WhereFolderRefuses fallback) {
    // A new file renamed over a pipe or a device would take its place, and through a link the
    // device itself.
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Other) {
        return false;
    }
    // Through a link, the new file replaces the file the link names, and the link stays.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool inPlace =
            fallback == WhereFolderRefuses::RewriteInPlace && kind == FileKind::Regular;
        return inPlace && rewriteInPlace(path, bytes);
    }
    // commit() alone would rename a file whose last bytes never reached the disk over the old one.
    if (!writeWhole(file, bytes)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool rewriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile file;
    if (openRegular(file, path, QIODevice::ReadWrite | QIODevice::Unbuffered, true) == Opened::No) {
        return false;
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    if (putAt(file, bytes)) {
        return true;
    }
    // The old bytes fit where they stood before, so they can always be put back.
    putAt(file, old);
    return false;
}

} // namespace runtime
