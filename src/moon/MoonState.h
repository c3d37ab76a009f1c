#pragma once

#include <QString>

namespace moon {

// The shared values of the moon computations, one instance for the whole program.
struct MoonState {
    // Set by MoonCycle for the date of its last call; readers call it for their own date first.
    double iluminacionLuna = 0.0; // illuminated fraction, 0 new .. 1 full
    double edadLunaGrados = 0.0;  // elongation of the Moon from the Sun, degrees, not reduced
    // Date (short date) and time (long time) texts of the last UTToLocal result; "" before.
    QString fechaLocalTxt;
    QString horaLocalTxt;
};

MoonState& moonState();
// Back to the values at program start (tests).
void resetMoonState();

} // namespace moon
