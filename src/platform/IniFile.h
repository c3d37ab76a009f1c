#pragma once

#include <QString>

namespace platform {

// The settings-file functions: sections and keys matched without regard to case, blanks around
// values dropped, at most 254 characters back, a missing file, section or key read as the
// default. Windows-1252 text. Lines that are not "[section]" or "key=value" are kept as they are.
constexpr int kProfileValueMax = 254;

QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file);

// Writes one key, creating the file and the section when missing. The file is replaced
// atomically, so a crash or a full disk leaves the old file whole. False when it could not write.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace platform
