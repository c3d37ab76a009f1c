#pragma once

#include "runtime/DateValue.h"

#include <QDateTime>

namespace runtime {

// The one source of "now" for the whole program; tests install a fake.
class Clock {
public:
    virtual ~Clock() = default;
    // The present instant. Its local date and time follow the system's time zone (TZ honoured),
    // so the repeated hour of an autumn change still tells its two passes apart.
    virtual QDateTime instant() const = 0;
};

Clock& clock();
// Installs another clock (not owned); nullptr puts the system clock back.
void setClock(Clock* replacement);

// The current local date and time, the date alone and the time of day alone.
DateValue Now();
DateValue Today();
DateValue TimeOfDay();
// The present instant in universal time.
DateValue NowUniversal();

} // namespace runtime
