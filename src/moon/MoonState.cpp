#include "moon/MoonState.h"

namespace moon {

MoonState& moonState() {
    static MoonState state;
    return state;
}

void resetMoonState() {
    moonState() = MoonState();
}

} // namespace moon
