#include "platform/Autostart.h"

#include "runtime/FileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {

QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.config");
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
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Comment=Tarot readings, biorhythms, the moon's "
                                         "phase and the zodiac sign from the tray\n"
                                         "Icon=velarcana\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(name, desktopExecValue(programPath));
    return runtime::replaceFile(path, entry.toUtf8());
}

bool eraseAutostart(const QString& name) {
    const QString path = autostartFile(name);
    return !QFile::exists(path) || QFile::remove(path);
}

} // namespace platform
