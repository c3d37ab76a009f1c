#include "shell/ToolTipWindow.h"

#include "forms/Forms.h"

namespace shell {

void loadToolTipWindow() {
    forms::Forms::instance().load(kFrmToolTip);
}

void unloadToolTipWindow() {
    forms::Forms::instance().unload(kFrmToolTip);
}

} // namespace shell
