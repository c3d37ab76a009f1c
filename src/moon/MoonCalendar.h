#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QString>

namespace moon {

// The English month name of 1..12 ("January" .. "December"); "" for any other number.
QString MonthToName(runtime::Integer month);

// 15 October 1582: from this day on DateToJD reads a date value in the Gregorian calendar, as the
// date type, its weekday and its texts always do.
constexpr runtime::DateValue kGregorianReformDate = -115858.0;

// Date value to astronomical Julian day. Date values before 15 October 1582 are read as dates of
// the Julian calendar with a fixed ten-day difference; the time of a negative date value counts
// forward from its midnight.
double DateToJD(runtime::DateValue d);
// The exact inverse of DateToJD; 0 (30 December 1899) when the Julian day fails IsValidJD.
runtime::DateValue JDToDate(double jd);

// 1757593.50001 <= jd <= 5373484.49998843 (31 December 9999, 23:59:59).
bool IsValidJD(double jd);
// Within the date type, not -657418, and not one of the days 5..14 October 1582 that the
// calendar reform dropped.
bool IsValidDate(runtime::DateValue d);

// Local time to universal time with the zone's offset at that instant. A local time that occurs
// twice (the repeated hour of an autumn change) is read as the pass nearer the clock's present
// instant, so the present converts right in both passes. When the zone cannot be determined the
// value is taken as universal time already.
runtime::DateValue LocalToUT(runtime::DateValue local);
// A universal instant in local time, with the zone's offset at that instant; unchanged when the
// zone cannot be determined.
runtime::DateValue UniversalToLocal(runtime::DateValue universal);
// Today's date plus the universal time of day x, turned to local time; leaves the result's date
// and time texts in fechaLocalTxt and horaLocalTxt. No shift when the zone cannot be determined.
runtime::DateValue UTToLocal(runtime::DateValue timeOfDay);

} // namespace moon
