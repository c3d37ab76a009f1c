#pragma once

// What the fuzz targets share: a program folder of their own for the readers that take files,
// and a check that ends the run when a property of a reader does not hold.

#include "runtime/ProgramFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// The program folder of the run, made once and removed at its end; in memory where the system
// offers it, since the writers flush every file to disk.
inline QString programFolder() {
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/velarcana-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/velarcana-fuzz-XXXXXX"));
    static const bool pointed = [] {
        runtime::setProgramFolder(folder.path());
        return true;
    }();
    (void)pointed;
    return folder.path();
}

// Puts the input into a file of the program folder, as a user's damaged file.
inline QString writeProgramFile(const QString& name, const std::uint8_t* data, std::size_t size) {
    const QString path = QDir(programFolder()).filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

// What the file holds now; empty when it cannot be read.
inline QByteArray readProgramFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property does not hold: %s\n", property);
        std::abort();
    }
}

} // namespace fuzzing
