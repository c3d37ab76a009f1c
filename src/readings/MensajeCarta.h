#pragma once

namespace readings {

// The card-meaning box: for numCarta 1..22 a modal message box with the card's meaning, the
// information icon and an OK button, titled with the card's title; nothing for any other number.
// Returns when the box closes. Callers set clickCarta around it (see CardMeanings.h).
void mensajeCarta();

} // namespace readings
