#pragma once

#include <QString>

namespace biorhythms {

// The shared values of the biorhythms, one instance for the whole program.
struct BioState {
    // Birth data of the main person (bio.dat, horabio.dat) and the countdown date (biofinal.dat).
    // 1, 1, 1900 is the birth date not set; 0, 0, 0 the countdown at today.
    int diaNac = 1;
    int mesNac = 1;
    int anioNac = 1900;
    int horaNac = 0;
    int minutoNac = 0;
    int diaFinal = 0;
    int mesFinal = 0;
    int anioFinal = 0;

    bool birthDateSet() const { return !(diaNac == 1 && mesNac == 1 && anioNac == 1900); }
};

BioState& bioState();
// Back to the values at program start (tests).
void resetBioState();

} // namespace biorhythms
