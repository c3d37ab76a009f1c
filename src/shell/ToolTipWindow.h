#pragma once

namespace shell {

// Loads FrmToolTip (its load places and shows it).
void loadToolTipWindow();
// Unloads FrmToolTip when it is loaded.
void unloadToolTipWindow();

} // namespace shell
