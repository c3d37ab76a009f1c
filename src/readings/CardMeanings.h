#pragma once

#include "cards/CardRules.h"
#include "runtime/Numeric.h"

#include <QString>

#include <optional>

namespace readings {

// What the card-meaning box of a major card shows: its title ("I. The Magician" ..
// "XXII. The World", the same texts as the shared title table) and one paragraph on the card's
// symbolism and its sense in a reading (no line breaks).
struct CardMeaning {
    QString title;
    QString text;
};

// The meaning of major card numCarta 1..22 (21 The Fool, 22 The World); nothing for any other
// number (0 from a reading without a card, 23 and beyond), for which no box is shown.
//
// `mensajeCarta` is the window side of this: it reads `numCarta`, and for a meaning shows a modal
// message box with the text, the information icon and an OK button (buttons value 64), titled
// with the card's title, returning when the box closes. Every caller (a card-picture click of
// the Card of the Day, Another Day, Numbers or Names window) keeps this protocol, so that the tray
// icon opens no hover tooltip while the box is open:
//     numCarta = its card; clickCarta = true; mensajeCarta(); clickCarta = false;
std::optional<CardMeaning> cardMeaning(runtime::Integer numCarta);

} // namespace readings
