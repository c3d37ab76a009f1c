#pragma once

#include "runtime/Numeric.h"

#include <QString>

#include <optional>

namespace readings {

// The value 1..9 of a lower-case letter of the Spanish alphabet (a 1, b 2 .. i 9, j 1 .. ñ 6 ..
// z 9; á é í ó ú as their plain vowel); 0 for every other character.
int letterValue(QChar ch);

// The letter sum of a name (Names window): nothing when the text holds a digit, which the window
// refuses with onlyLettersMessage(); else the sum of the letter values of the lower-cased text,
// blanks and characters without a value counting nothing.
std::optional<runtime::Long> nameLetterSum(const QString& nombre);

// The letter sum of an Oracle question: as a name, but the digits 0..9 count their value.
runtime::Long questionLetterSum(const QString& texto);

// The refusal of a name holding a digit (title "Info", exclamation icon).
QString onlyLettersMessage();

} // namespace readings
