#include "platform/IniFile.h"

#include "runtime/Ansi.h"
#include "runtime/FileWrite.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

// Lines longer than this are damage, not settings; they are kept but never read as a key.
constexpr qsizetype kMaxLineLength = 4096;

// An editor may save the file as UTF-8 behind a byte order mark.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// The file's lines and how it was stored, so that a write stores it the same way.
struct IniText {
    QStringList lines;
    bool utf8 = false;
};

QString decode(QByteArray bytes, bool& utf8) {
    utf8 = false;
    if (!bytes.startsWith(kUtf8Mark)) {
        return runtime::fromAnsi(bytes);
    }
    bytes.remove(0, qsizetype(sizeof kUtf8Mark) - 1);
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const QString text = fromUtf8(bytes);
    utf8 = !fromUtf8.hasError();
    return utf8 ? text : runtime::fromAnsi(bytes);
}

QByteArray encode(const IniText& ini) {
    const QString text = ini.lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    return ini.utf8 ? QByteArray(kUtf8Mark) + text.toUtf8() : runtime::toAnsi(text);
}

// CR LF, LF and CR alone all end a line.
IniText readIni(const QString& path) {
    IniText ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ini;
    }
    QString text = decode(file.readAll(), ini.utf8);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ini.lines = text.split(QLatin1Char('\n'));
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty()) {
        ini.lines.removeLast();
    }
    return ini;
}

bool quoted(const QString& value) {
    return value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
           value.endsWith(QLatin1Char('"'));
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
        // One pair of double quotes around a value is not part of it.
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
    return runtime::replaceFile(file, encode(ini), runtime::WhereFolderRefuses::RewriteInPlace);
}

} // namespace platform
