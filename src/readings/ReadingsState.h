#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QString>

#include <optional>

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
    // The Card of the Day window's midnight pop-up, kept here so that every load of that window
    // sees it: the day whose pop-up is done, and when the pop-up showed the window (none while no
    // pop-up is up).
    runtime::DateValue popUpDay = 0.0;
    std::optional<runtime::DateValue> poppedUpAt;
};

ReadingsState& readingsState();
// Back to the values at program start (tests).
void resetReadingsState();

} // namespace readings
