#pragma once

#include <QString>

namespace shell {

// The personal tray tooltip window is reached through the window registry by this name, so the
// tray code opens and closes it without knowing its class. Until a window is registered under
// the name, opening it does nothing.
inline const QString kFrmToolTip = QStringLiteral("FrmToolTip");

// Loads FrmToolTip (its load places and shows it).
void loadToolTipWindow();
// Unloads FrmToolTip when it is loaded.
void unloadToolTipWindow();

} // namespace shell
