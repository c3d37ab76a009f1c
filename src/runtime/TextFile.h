#pragma once

#include "runtime/FileWrite.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace runtime {

// Sequential text files in Windows-1252. Writers end every line with CR LF; readers accept
// CR LF and LF. Only regular files are read and written (runtime/RegularFile.h): anything else
// under the name reads as a missing file, and a write to it fails.

// The lines of a file, or nothing when it cannot be read.
std::optional<QStringList> readLines(const QString& path);
// Replaces the file with the lines, atomically (a crash leaves the old file or the new one); on a
// failed write the old file stays as it was.
bool writeLines(const QString& path, const QStringList& lines,
                WhereFolderRefuses fallback = WhereFolderRefuses::Fail);
// Writes the lines over the file from its start, in place: the file itself stays (with its
// owner and rights), so this works where only the file, not its folder, may be written. On a
// failed write the old lines are put back.
bool overwriteLines(const QString& path, const QStringList& lines);
// Appends the lines, creating the file when missing, after a line break when the file's last
// line has none. All of them or none: on a failed write (a full disk) the file is left as it
// was, and the result is false.
bool appendLines(const QString& path, const QStringList& lines);

// Comma-separated numeric input of the first line ("15,6,1980", blanks tolerated); nothing when
// the file is missing or a field is not a whole number. Only the start of a long line is read.
std::optional<std::vector<long long>> readNumbers(const QString& path, std::size_t count);
bool writeNumbers(const QString& path, const std::vector<long long>& numbers,
                  WhereFolderRefuses fallback = WhereFolderRefuses::Fail);

} // namespace runtime
