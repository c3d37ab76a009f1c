#pragma once

#include "runtime/Numeric.h"

#include <QString>

namespace readings {

// The shared values of the tarot readings, one instance for the whole program.
struct ReadingsState {
    // The sign last shown (0 Aries .. 11 Pisces), by the Card of the Day window, the fixed table
    // or the Another Day window; the sign-text hover reads it.
    runtime::Integer numSigno = 0;
    // The program folder followed by "\signos\", set by the fixed table's display.
    QString rutaSignos;
    // The Oracle's background tune: the device of the open tune (0 = none) and the MIDI file
    // last chosen in its file dialog.
    runtime::Long midiId = 0;
    QString archivoMidi;
};

ReadingsState& readingsState();
// Back to the values at program start (tests).
void resetReadingsState();

} // namespace readings
