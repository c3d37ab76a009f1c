#pragma once

#include <QFile>
#include <QString>

namespace runtime {

// The program's files are regular files. Whatever else stands under one of their names (a named
// pipe, a device, a folder, reached directly or through a link) is no file of the program's: it
// is never waited on, never read and never written through. A link to a regular file is read
// and written through, so the link itself stays.

// What stands under the name, links followed; a link to nothing is missing.
enum class FileKind { Missing, Regular, Other };
FileKind fileKind(const QString& path);

enum class Opened { No, Existing, Created };

// Opens a regular file with `mode` (ReadOnly, ReadWrite or WriteOnly | Append, Unbuffered as
// wanted). Nothing is opened that may wait for another process or act on a device, and the
// opened file itself is checked, so nothing swapped in under the name meanwhile is used. With
// `createMissing` a missing file is made (through a link to nothing, where the link points).
Opened openRegular(QFile& file, const QString& path, QIODevice::OpenMode mode,
                   bool createMissing = false);

} // namespace runtime
