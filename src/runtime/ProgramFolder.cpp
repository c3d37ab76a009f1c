#include "runtime/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace runtime {
namespace {

QString& overrideFolder() {
    static QString folder;
    return folder;
}

QString matchEntry(const QDir& dir, const QString& name) {
    if (dir.exists(name)) {
        return name;
    }
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

} // namespace

QString programFolder() {
    if (!overrideFolder().isEmpty()) {
        return overrideFolder();
    }
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString& folder) {
    overrideFolder() = folder;
}

QString resolvePath(const QString& folder, const QString& relativeName) {
    QString normalised = relativeName;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = QDir::cleanPath(folder);
    for (const QString& part : parts) {
        path = QDir(path).filePath(matchEntry(QDir(path), part));
    }
    if (normalised.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

QString programPath(const QString& relativeName) {
    return resolvePath(programFolder(), relativeName);
}

bool programFolderIsRoot() {
    return QFileInfo(programFolder()).canonicalFilePath() == "/";
}

} // namespace runtime
