#include "runtime/TextFile.h"

#include "runtime/Ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace runtime {
namespace {

QByteArray joinLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toAnsi(line);
        bytes += "\r\n";
    }
    return bytes;
}

// The last line has no line break: a line cut short, or a file ended by hand.
bool endsMidLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        return false;
    }
    return file.seek(file.size() - 1) && file.read(1) != "\n";
}

} // namespace

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QString text = fromAnsi(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool writeLines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(joinLines(lines));
    return file.commit();
}

bool overwriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = joinLines(lines);
    return file.write(bytes) == bytes.size() && file.flush();
}

bool appendLines(const QString& path, const QStringList& lines) {
    QByteArray bytes = joinLines(lines);
    if (!bytes.isEmpty() && endsMidLine(path)) {
        bytes.prepend("\r\n");
    }
    const bool existed = QFileInfo::exists(path);
    // Unbuffered, a write that does not fit fails here, and nothing is left to go out at close.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size()) {
        return true;
    }
    // The lines go in whole or not at all: what did fit is cut off again.
    if (existed) {
        file.resize(before);
    } else {
        file.remove();
    }
    return false;
}

std::optional<std::vector<long long>> readNumbers(const QString& path, std::size_t count) {
    const auto lines = readLines(path);
    if (!lines || lines->isEmpty()) {
        return std::nullopt;
    }
    const QStringList fields = lines->first().split(QLatin1Char(','));
    if (static_cast<std::size_t>(fields.size()) < count) {
        return std::nullopt;
    }
    std::vector<long long> numbers;
    for (std::size_t i = 0; i < count; ++i) {
        bool ok = false;
        const long long value = fields[static_cast<int>(i)].trimmed().toLongLong(&ok);
        if (!ok) {
            return std::nullopt;
        }
        numbers.push_back(value);
    }
    return numbers;
}

bool writeNumbers(const QString& path, const std::vector<long long>& numbers) {
    QStringList fields;
    for (const long long n : numbers) {
        fields << QString::number(n);
    }
    return writeLines(path, {fields.join(QLatin1Char(','))});
}

} // namespace runtime
