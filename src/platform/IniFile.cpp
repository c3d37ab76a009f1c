#include "platform/IniFile.h"

#include "runtime/Ansi.h"
#include "runtime/FileWrite.h"
#include "runtime/RegularFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

// Lines longer than this are damage, not settings; they are kept but never read as a key.
constexpr qsizetype kMaxLineLength = 4096;

// An editor may save the file as UTF-8 behind a byte order mark, or as UTF-8 alone.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

enum class Encoding { Ansi, Utf8 };

// The file's lines and how it was stored, so that a write stores it the same way. A file that
// could not be read whole is not written over.
struct IniText {
    QStringList lines;
    Encoding encoding = Encoding::Ansi;
    bool marked = false;
    bool writable = true;
};

// Only the file's first mark is one: a second mark is text of the first line, kept as it is.
std::optional<QString> fromUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
}

bool holdsNonAscii(const QByteArray& bytes) {
    return std::any_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

// Windows-1252 unless the bytes are UTF-8: behind the mark, or without it where they hold
// characters beyond ASCII in valid UTF-8, which a Windows-1252 text practically never does. A
// mark before bytes that are no UTF-8 stays in front of them.
QString decode(QByteArray bytes, IniText& ini) {
    ini.marked = bytes.startsWith(kUtf8Mark);
    if (ini.marked) {
        bytes.remove(0, qsizetype(sizeof kUtf8Mark) - 1);
    }
    if (ini.marked || holdsNonAscii(bytes)) {
        if (const std::optional<QString> text = fromUtf8(bytes)) {
            ini.encoding = Encoding::Utf8;
            return *text;
        }
    }
    return runtime::fromAnsi(bytes);
}

QByteArray encode(const IniText& ini) {
    const QString text = ini.lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    const QByteArray mark = ini.marked ? QByteArray(kUtf8Mark) : QByteArray();
    return mark + (ini.encoding == Encoding::Utf8 ? text.toUtf8() : runtime::toAnsi(text));
}

// At most the first kSettingsFileMax bytes, up to the end of the last whole line among them.
std::optional<QByteArray> readStart(const QString& path, bool& whole) {
    QFile file;
    if (runtime::openRegular(file, path, QIODevice::ReadOnly) == runtime::Opened::No) {
        return std::nullopt;
    }
    // No more asked for than the file holds: a read sets aside all the room it asks for.
    QByteArray bytes = file.read(std::min(file.size(), kSettingsFileMax) + 1);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    whole = bytes.size() <= kSettingsFileMax && file.atEnd();
    if (!whole) {
        const qsizetype lineEnd = std::max(bytes.lastIndexOf('\n', kSettingsFileMax - 1),
                                           bytes.lastIndexOf('\r', kSettingsFileMax - 1));
        bytes.truncate(lineEnd + 1);
    }
    return bytes;
}

// CR LF, LF and CR alone all end a line. A missing file has no lines and may be created; what
// is not a regular file, or cannot be read, has none either and is never written.
IniText readIni(const QString& path) {
    IniText ini;
    if (runtime::fileKind(path) == runtime::FileKind::Missing) {
        return ini;
    }
    const std::optional<QByteArray> bytes = readStart(path, ini.writable);
    if (!bytes) {
        ini.writable = false;
        return ini;
    }
    QString text = decode(*bytes, ini);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ini.lines = text.split(QLatin1Char('\n'));
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty()) {
        ini.lines.removeLast();
    }
    return ini;
}

// In one pair of double or single quotes.
bool quoted(const QString& value) {
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front();
}

std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() > kMaxLineLength || !trimmed.startsWith(QLatin1Char('['))) {
        return std::nullopt;
    }
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0) {
        return std::nullopt;
    }
    return trimmed.mid(1, close - 1).trimmed();
}

bool isKeyLine(const QString& line, const QString& key, QString* value = nullptr) {
    if (line.size() > kMaxLineLength || line.contains(QChar(0))) {
        return false;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (value) {
        // One pair of quotes around a value is not part of it.
        *value = line.mid(equals + 1).trimmed();
        if (quoted(*value)) {
            *value = value->mid(1, value->size() - 2);
        }
    }
    return true;
}

bool sameName(const std::optional<QString>& found, const QString& wanted) {
    return found && found->compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

bool holdsControlCharacter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file) {
    bool inSection = false;
    for (const QString& line : readIni(file).lines) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(name, section);
            continue;
        }
        QString value;
        if (inSection && isKeyLine(line, key, &value)) {
            return value.left(kProfileValueMax);
        }
    }
    return defaultValue.left(kProfileValueMax);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file) {
    if (holdsControlCharacter(section) || holdsControlCharacter(key) ||
        holdsControlCharacter(value)) {
        return false;
    }
    IniText ini = readIni(file);
    if (!ini.writable) {
        return false;
    }
    QStringList& lines = ini.lines;
    // A value that is itself quoted keeps its quotes inside one more pair.
    const QString stored = quoted(value) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
    const QString entry = key + QLatin1Char('=') + stored;
    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (sectionStart >= 0) {
                break;
            }
            if (sameName(name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0) {
            continue;
        }
        if (isKeyLine(lines[i], key)) {
            lines[i] = entry;
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!written && sectionStart >= 0) {
        lines.insert(insertAt, entry);
    } else if (!written) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }
    // A longer file would no longer be read whole, and never be written again.
    const QByteArray bytes = encode(ini);
    return bytes.size() <= kSettingsFileMax &&
           runtime::replaceFile(file, bytes, runtime::WhereFolderRefuses::RewriteInPlace);
}

} // namespace platform
