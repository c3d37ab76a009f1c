#pragma once

#include <QString>

namespace platform {

// The desktop's autostart entries, in place of the Run values of the registry: the entry of a
// name is $XDG_CONFIG_HOME/autostart/<name>.desktop (~/.config when XDG_CONFIG_HOME is unset or
// not absolute), started at log-in with Exec= the program.
QString autostartFile(const QString& name);

// Writes the entry (creating the folder); the file is replaced atomically. False on failure.
bool writeAutostart(const QString& name, const QString& programPath);
// Deletes whatever stands at the entry's name, a folder excepted; true also when there was none.
bool eraseAutostart(const QString& name);
// Whether the entry will start the program at log-in: a regular file (or a link to one) at the
// entry's name holding what writeAutostart writes for this program.
bool autostartStarts(const QString& name, const QString& programPath);

// The Exec= value that starts the program: the path quoted and escaped as desktop entries want.
QString desktopExecValue(const QString& programPath);

} // namespace platform
