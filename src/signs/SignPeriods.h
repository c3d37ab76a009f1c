#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QString>

#include <optional>

namespace readings {

// Sign index: 0 Aries .. 11 Pisces.
constexpr runtime::Integer kSigns = 12;

// The period of one line of a sign-period file: from start to end inclusive, universal time.
struct SignPeriod {
    runtime::Integer sign = 0;
    runtime::DateValue start = 0.0;
    runtime::DateValue end = 0.0;
};

// The sign-period file of a sign under the program folder: "\fechas-db\aries.txt" .. "piscis.txt".
QString signPeriodFile(runtime::Integer sign);

// A line "start - end", split at its first "-", each part read by the system's date conversion;
// nothing when it does not hold two dates.
std::optional<SignPeriod> parseSignPeriod(const QString& line, runtime::Integer sign);

// The first period that holds the moment (universal time), the files read in sign order, each up
// to its end or its first empty line. A missing file or a line that is not two dates holds no
// period. Nothing when no period holds the moment (the fixed table decides then).
std::optional<SignPeriod> findSignPeriod(runtime::DateValue universal);

// The boundary of the period that falls on the day and month of today: the start, else the
// end; nothing when the sign does not change today.
std::optional<runtime::DateValue> signChangeOn(const SignPeriod& period, runtime::DateValue today);

// The sun's stay in the sign: start and end formatted "mmmm d", joined by "/" ("July 22/August
// 23").
QString periodRangeText(const SignPeriod& period);

// The season that begins in a month of a solstice or an equinox, "" in other months.
QString seasonText(int month, bool southernHemisphere);

// The change-of-sign message: the local date and time of the change and the season line.
QString signChangeMessage(const QString& fechaLocal, const QString& horaLocal,
                          const QString& season);

} // namespace readings
