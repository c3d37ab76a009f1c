#pragma once

#include <QString>

namespace shell {

// The alert level code of the "Nivel Alertas" text: "zero", "solo", "bas1".."bas3",
// "med1".."med3", or "maxi" for "Maximum ..." and for any other text (the empty one included).
// Compared exactly.
QString CodigoNivel(const QString& setting);

// "systray" for "systray" or "", "toolbar" for any other text.
QString modoMinimizarCode(const QString& setting);

// The deck code for "tipocartas": "" and "marsellaone" give "marsellaone"; "marsellaclass" and
// "oldones" as they are; any other text keeps `current`.
QString tipoCartaCode(const QString& setting, const QString& current);

// The window a "Módulo Inicial" text names: "FrmCartaDia" for "The Card of Day...", any other
// text and the empty one; "FrmCalendar", "Frmoracle", "FrmName", "frmVelarcana", "frmBio".
QString startWindowName(const QString& setting);

} // namespace shell
