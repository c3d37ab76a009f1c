#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace forms {

// Names of the window pictures the shell shows.
inline const QString kPicTray = QStringLiteral("tray");                // tray icon, 32 px
inline const QString kPicApp = QStringLiteral("app");                  // window icon, 64 px
inline const QString kPicNotifShort = QStringLiteral("notif-short");   // notice, under 150 chars
inline const QString kPicNotifMedium = QStringLiteral("notif-medium"); // notice, 150 to 265
inline const QString kPicNotifLong = QStringLiteral("notif-long");     // notice, 266 and more
inline const QString kPicNotifClose = QStringLiteral("notif-close");   // notice close picture
inline const QString kPicHelp = QStringLiteral("help");                // help button picture

// A window picture built into the program (":/ui/<name>.png"); a null pixmap when it is
// missing, so the control shows nothing.
QPixmap uiPicture(const QString& name);

// A picture file, read without entering Qt's pixmap cache: the control that shows it keeps the
// only copy. A null pixmap when the file is missing or no picture.
QPixmap pictureFile(const QString& path);

// The program's icon, for the tray and the windows.
QIcon programIcon();

} // namespace forms
