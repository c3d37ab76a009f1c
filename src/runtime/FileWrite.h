#pragma once

#include <QByteArray>
#include <QString>

namespace runtime {

// Writes of a whole file that count as done only when every byte reached the disk: each write,
// the flush and the sync are checked, and on any failure (a full disk, a file size limit) the
// old file stays exactly as it was and the result is false. Only a regular file is written: a
// pipe, a device or a folder under the name (or behind a link) fails the write and stays as it
// is. Through a link to a regular file, that file is written and the link stays.

enum class WhereFolderRefuses {
    Fail,          // the file is replaced through a new file beside it, or not at all
    RewriteInPlace // a folder that takes no new file may still let the file itself be written
};

// Replaces the file with the bytes in one step (a new file renamed over the old one), so a crash
// leaves the old file or the new one, never part of either.
bool replaceFile(const QString& path, const QByteArray& bytes,
                 WhereFolderRefuses fallback = WhereFolderRefuses::Fail);

// Writes the bytes over the file itself from its start, keeping the file (its owner and rights).
// A missing file is created. When they do not all fit, the old bytes are written back.
bool rewriteInPlace(const QString& path, const QByteArray& bytes);

// Flushes what the process still holds of an open file to the disk; false when the system
// reports that some of it could not be written.
bool syncToDisk(int descriptor);

} // namespace runtime
