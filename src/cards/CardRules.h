#pragma once

#include "runtime/Numeric.h"

#include <QString>

namespace readings {

constexpr runtime::Integer kMajorCards = 22; // 1 "I. The Magician" .. 21 The Fool, 22 The World
constexpr runtime::Integer kMinorCards = 14; // ace .. king of a suit

// The sum over every character of its digit value ("0".."9" count 0..9, anything else 0).
double digitSum(const QString& text);

// Repeated subtraction, never a remainder: while above 22 (14), take 22 (14) off. 22 stays 22,
// 23 gives 1, 44 gives 22; a sum of 0 or less is returned as it is (no card).
runtime::Integer reduceMajorCard(runtime::Integer sum);
runtime::Integer reduceMinorCard(runtime::Integer sum);

// The card of the day of a date text (the system's short date text): its digit sum reduced to
// a major card; 0 (no card) when the text holds no digit or its sum passes the Integer range.
runtime::Integer cardOfDateText(const QString& dateText);

// ImagenesArcanos: the picture file of major card 1..22 ("mago1.jpg" .. "mundo22.jpg"); "" for
// any other number.
QString ImagenesArcanos(runtime::Integer card);

// The deck folder of a deck code: "marsellaone" "\imagenes\", "marsellaclass" "\imagenes2\",
// "oldones" "\imagenes3\"; "" for any other code.
QString deckFolder(const QString& tipoCarta);

// The full path of a card's picture in the chosen deck. A program folder at the root of the
// file system gets no deck folder (the picture is looked for in the root itself); an unknown
// deck code looks in the default deck, "\imagenes\".
QString cardPicturePath(runtime::Integer card, const QString& tipoCarta);

} // namespace readings
