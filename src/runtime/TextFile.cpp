#include "runtime/TextFile.h"

#include "runtime/Ansi.h"
#include "runtime/FileWrite.h"
#include "runtime/RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace runtime {
namespace {

// Far beyond any record of numbers the program writes.
constexpr qint64 kFirstLineMax = 1024;

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
    QFile file;
    if (openRegular(file, path, QIODevice::ReadOnly) == Opened::No || file.size() == 0) {
        return false;
    }
    return file.seek(file.size() - 1) && file.read(1) != "\n";
}

// The first line, read no further than a record can reach: a huge file costs no more than that.
std::optional<QString> readFirstLine(const QString& path) {
    QFile file;
    if (openRegular(file, path, QIODevice::ReadOnly) == Opened::No) {
        return std::nullopt;
    }
    QByteArray line = file.readLine(kFirstLineMax);
    if (line.isEmpty() && file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    return fromAnsi(line);
}

} // namespace

std::optional<QStringList> readLines(const QString& path) {
    QFile file;
    if (openRegular(file, path, QIODevice::ReadOnly) == Opened::No) {
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

bool writeLines(const QString& path, const QStringList& lines, WhereFolderRefuses fallback) {
    return replaceFile(path, joinLines(lines), fallback);
}

bool overwriteLines(const QString& path, const QStringList& lines) {
    return rewriteInPlace(path, joinLines(lines));
}

bool appendLines(const QString& path, const QStringList& lines) {
    QByteArray bytes = joinLines(lines);
    if (!bytes.isEmpty() && endsMidLine(path)) {
        bytes.prepend("\r\n");
    }
    // Unbuffered, a write that does not fit fails here, and nothing is left to go out at close.
    QFile file;
    const Opened opened = openRegular(
        file, path, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, true);
    if (opened == Opened::No) {
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size() && syncToDisk(file.handle())) {
        return true;
    }
    // The lines go in whole or not at all: what did fit is cut off again.
    if (opened == Opened::Existing) {
        file.resize(before);
    } else {
        // The new file itself, not a link that led to it.
        QFile::remove(QFileInfo(path).canonicalFilePath());
    }
    return false;
}

std::optional<std::vector<long long>> readNumbers(const QString& path, std::size_t count) {
    const std::optional<QString> line = readFirstLine(path);
    if (!line) {
        return std::nullopt;
    }
    const QStringList fields = line->split(QLatin1Char(','));
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

bool writeNumbers(const QString& path, const std::vector<long long>& numbers,
                  WhereFolderRefuses fallback) {
    QStringList fields;
    for (const long long n : numbers) {
        fields << QString::number(n);
    }
    return writeLines(path, {fields.join(QLatin1Char(','))}, fallback);
}

} // namespace runtime
