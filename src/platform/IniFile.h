#pragma once

#include <QString>

namespace platform {

// The settings-file functions: sections and keys matched without regard to case, blanks around
// values dropped, at most 254 characters back, a missing file, section or key read as the
// default. Windows-1252 text. Lines that are not "[section]" or "key=value" are kept as they are.
constexpr int kProfileValueMax = 254;

// A line break or another control character, which no value of the file can hold.
bool holdsControlCharacter(const QString& text);

// A value stored in one pair of double quotes reads without them. A file that starts with a UTF-8
// byte order mark is read as UTF-8 and written back so; lines may end in CR LF, LF or CR alone.
QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file);

// Writes one key, creating the file and the section when missing. The file is replaced
// atomically, so a crash or a full disk leaves the old file whole; where the folder takes no new
// file, the file itself is rewritten in place. False when it could not write, and when the
// section, key or value holds a control character (nothing is written then).
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace platform
