#pragma once

#include <QString>

namespace shell {

// The personal tray tooltip window's name in the window registry.
inline const QString kFrmToolTip = QStringLiteral("FrmToolTip");

// Loads FrmToolTip (its load places and shows it).
void loadToolTipWindow();
// Unloads FrmToolTip when it is loaded.
void unloadToolTipWindow();

} // namespace shell
