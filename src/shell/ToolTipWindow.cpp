#include "shell/ToolTipWindow.h"

#include "forms/Forms.h"
#include "shell/FrmToolTip.h"

namespace shell {

void loadToolTipWindow() {
    forms::Forms::instance().get<FrmToolTip>();
}

void unloadToolTipWindow() {
    forms::Forms::instance().unload(FrmToolTip::kName);
}

} // namespace shell
