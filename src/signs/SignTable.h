#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <array>

namespace readings {

// One row of TablaSignos, the fixed table of the signs by boundary dates: it applies to a date
// before 00:00 of its day and month (of the date's own year).
struct SignTableRow {
    int month;
    int day;
    runtime::Integer sign;
    const char* name;    // English name
    const char* picture; // "\signos\" picture file
    const char* range;   // the days of the row, "December 22/January 19"
};

// The rows from the top; the last row (no boundary) takes a date on or after 22 December.
extern const std::array<SignTableRow, 13> TablaSignos;

// The row of the first boundary that lies after the date.
const SignTableRow& signOfTable(runtime::DateValue d);

} // namespace readings
