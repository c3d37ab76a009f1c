#include "platform/IniFile.h"

#include "runtime/Ansi.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace platform {
namespace {

// Lines longer than this are damage, not settings; they are kept but never read as a key.
constexpr qsizetype kMaxLineLength = 4096;

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = runtime::fromAnsi(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
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
        *value = line.mid(equals + 1).trimmed();
    }
    return true;
}

bool sameName(const std::optional<QString>& found, const QString& wanted) {
    return found && found->compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, const QString& file) {
    bool inSection = false;
    for (const QString& line : readLines(file)) {
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
    QStringList lines = readLines(file);
    const QString entry = key + QLatin1Char('=') + value;
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
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write(runtime::toAnsi(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
    return out.commit();
}

} // namespace platform
