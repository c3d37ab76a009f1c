#pragma once

#include "readings/OracleReadings.h"
#include "runtime/Numeric.h"

#include <QString>

namespace readings {

// The text file of major card 1..22 in "\textos\" ("mago1.txt" .. "mundo22.txt"; card 6 is
// "enamorados6.txt"); "" for any other number.
QString majorCardTextFile(runtime::Integer card);
// The text file of a minor card in "\mtextos\" ("1espadas.txt" .. "rey-oros.txt").
QString minorCardTextFile(Suit suit, runtime::Integer card);

// Full paths of the texts; at the root of the file system the folder is left out.
QString majorCardTextPath(runtime::Integer card);
QString minorCardTextPath(Suit suit, runtime::Integer card);

// The whole text of a card (Windows-1252, line breaks kept); empty when it cannot be read.
QString readCardText(const QString& path);

} // namespace readings
