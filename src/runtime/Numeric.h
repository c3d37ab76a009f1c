#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace runtime {

using Integer = std::int16_t; // 16-bit signed
using Long = std::int32_t;    // 32-bit signed
using Single = float;

// Conversions to Integer and Long round to the nearest whole number, halves to the even one.
// A value out of range gives nothing instead of an overflow.
std::optional<Integer> toInteger(double value);
std::optional<Long> toLong(double value);
// Halves to even, as a double.
double roundHalfEven(double value);

// Int: the whole part toward minus infinity; Fix: toward zero.
double Int(double value);
double Fix(double value);

// The numeric value of one character: a digit counts its value, any other character 0.
int digitValue(QChar ch);

// A text that reads as a number (blanks around, sign, decimals with "." or the locale's
// separator); the number, or nothing.
std::optional<double> numericValue(const QString& text);
bool isNumeric(const QString& text);

} // namespace runtime
