#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QString>

#include <array>
#include <optional>

namespace biorhythms {

// The four cycles, always in this order.
constexpr int kPhysical = 0;
constexpr int kEmotional = 1;
constexpr int kIntellectual = 2;
constexpr int kIntuitive = 3;
constexpr std::array<double, 4> kPeriods = {23.0, 28.0, 33.0, 38.0}; // days
// 2 x 3.14159, the same double as the 6.28318 of the chart and the tray tooltip.
constexpr double kTwoPi = 2.0 * 3.14159;
constexpr double kOneHour = 1.0 / 24.0; // days

using CycleValues = std::array<runtime::Single, 4>;

// How long a person has lived at the clock's time of day on the study date.
struct DayCount {
    runtime::Long diasVida = 0; // day boundaries from the birth date to the study date, less 1
    runtime::Integer minutosNacRest = 0; // minutes of the birth day after the birth time
    runtime::Single diasBase = 0.0F;     // diasVida + minutosNacRest / 1440
    runtime::Single diasVividos = 0.0F;  // t: diasBase + the clock's minute of the day / 1440
};

// The day count for a birth time of day (hour 0..23, minute 0..59); the seconds of the clock are
// ignored. Born 1/1/2000 06:00, studied 2/1/2000 at 18:00: t = 1.5.
DayCount dayCount(runtime::DateValue birthDate, int birthHour, int birthMinute,
                  runtime::DateValue studyDate, runtime::DateValue clock);

// Each cycle's value sin(2 pi t / P), -1..1. The trend compares with t + kOneHour.
CycleValues cycleValues(double t);

// The day/month/year text of a date ("24/7/1970", no leading zeros), and its reading, day first
// in every locale; nothing when it is not a date.
QString dayMonthYearText(int day, int month, int year);
std::optional<runtime::DateValue> dayMonthYearDate(const QString& text);

// The rule applied to birth and study date texts at the clock's time of day: writes fechaNacTxt,
// fechaEstudioTxt, the day count and the four values now and one hour later into the shared
// values. False, with the shared values left as they were, when a text is not a date.
bool applyBioRule(const QString& fechaNacTxt, int birthHour, int birthMinute,
                  const QString& fechaEstudioTxt, runtime::DateValue clock);

} // namespace biorhythms
