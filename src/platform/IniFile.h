#pragma once

#include <QString>

namespace platform {

// The settings-file functions: sections and keys matched without regard to case, blanks around
// values dropped, at most 254 characters back, a missing file, section or key read as the
// default. Windows-1252 text. Lines that are not "[section]" or "key=value" are kept as they are.
// Only a regular file (or a link to one) is the settings file: a pipe, a device or a folder under
// its name reads as a missing file and is never written.
constexpr int kProfileValueMax = 254;
// Far beyond any settings file: only this much of a file is read, a longer file is not written
// over (its end would be lost), and no write makes a file longer.
constexpr qint64 kSettingsFileMax = 1 << 20;

// A line break or another control character, which no value of the file can hold.
bool holdsControlCharacter(const QString& text);

// A value stored in one pair of double or single quotes reads without them. A file that starts
// with a UTF-8 byte order mark, or whose bytes are valid UTF-8 holding characters beyond ASCII,
// is read as UTF-8 and written back so; only the first mark is one, and what follows it is text
// of the first line. Lines may end in CR LF, LF or CR alone.
QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file);

// Writes one key, creating the file and the section when missing. The file is replaced
// atomically, so a crash or a full disk leaves the old file whole; where the folder takes no new
// file, the file itself is rewritten in place. Through a link, the file it names is written and
// the link stays. False when it could not write, when the file would grow beyond
// kSettingsFileMax, and when the section, key or value holds a control character (nothing is
// written then). A value that is itself quoted is stored inside
// one more pair of double quotes, so it reads back as it was.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace platform
