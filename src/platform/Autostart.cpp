#include "platform/Autostart.h"

#include "runtime/FileWrite.h"
#include "runtime/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {

QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.config");
}

QByteArray entryBytes(const QString& name, const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Tarot readings, biorhythms, the moon's "
                          "phase and the zodiac sign from the tray\n"
                          "Icon=velarcana\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(name, desktopExecValue(programPath))
        .toUtf8();
}

} // namespace

QString autostartFile(const QString& name) {
    return configHome() + QStringLiteral("/autostart/") + name + QStringLiteral(".desktop");
}

QString desktopExecValue(const QString& programPath) {
    // Inside the quotes ", `, $ and \ take a backslash and % is doubled (it starts a field
    // code); the value's own escaping then doubles every backslash.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        } else if (c == u'%') {
            quoted += u'%';
        }
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

bool writeAutostart(const QString& name, const QString& programPath) {
    const QString path = autostartFile(name);
    return QDir().mkpath(QFileInfo(path).path()) &&
           runtime::replaceFile(path, entryBytes(name, programPath));
}

bool eraseAutostart(const QString& name) {
    // The entry, or a link in its place whatever it names; a pipe, a device or a folder starts
    // nothing and is left alone.
    const QString path = autostartFile(name);
    const QFileInfo entry(path);
    const bool ours = entry.isSymLink() || runtime::fileKind(path) == runtime::FileKind::Regular;
    return !ours || QFile::remove(path);
}

bool autostartStarts(const QString& name, const QString& programPath) {
    QFile file;
    if (runtime::openRegular(file, autostartFile(name), QIODevice::ReadOnly) ==
        runtime::Opened::No) {
        return false;
    }
    const QByteArray expected = entryBytes(name, programPath);
    // One byte more than the entry tells a longer file from it.
    return file.read(expected.size() + 1) == expected;
}

} // namespace platform
