#include "shell/ShellState.h"

namespace shell {

ShellState& shellState() {
    static ShellState state;
    return state;
}

void resetShellState() {
    shellState() = ShellState();
}

} // namespace shell
