#include "readings/ReadingsState.h"

namespace readings {

ReadingsState& readingsState() {
    static ReadingsState state;
    return state;
}

void resetReadingsState() {
    readingsState() = ReadingsState();
}

} // namespace readings
