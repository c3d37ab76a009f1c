#pragma once

#include <QString>

namespace shell {

// The names the windows are registered under, by which one window opens or hands over to
// another without knowing its class.
inline const QString kFrmCartaDia = QStringLiteral("FrmCartaDia");
inline const QString kFrmCalendar = QStringLiteral("FrmCalendar");
inline const QString kFrmVelarcana = QStringLiteral("frmVelarcana");
inline const QString kFrmName = QStringLiteral("FrmName");
inline const QString kFrmoracle = QStringLiteral("Frmoracle");
inline const QString kFrmBio = QStringLiteral("frmBio");
inline const QString kFrmProfiles = QStringLiteral("FrmProfiles");
inline const QString kFrmCompaTab = QStringLiteral("FrmCompaTab");

} // namespace shell
