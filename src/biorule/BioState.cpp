#include "biorule/BioState.h"

namespace biorhythms {

BioState& bioState() {
    static BioState state;
    return state;
}

void resetBioState() {
    bioState() = BioState();
}

} // namespace biorhythms
