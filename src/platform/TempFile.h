#pragma once

#include <QString>

#include <optional>

namespace platform {

// GetTempPathA: the system's temporary folder with a trailing "/"; nothing when the folder is
// missing or its path does not fit the 340-character buffer.
std::optional<QString> GetTempPath();

// GetTempFileNameA with unique number 0: creates a new empty file "<prefix>XXXX.tmp" (four hex
// digits) in the folder and returns its path; nothing when no such file can be created.
std::optional<QString> GetTempFileName(const QString& folder, const QString& prefix);

} // namespace platform
