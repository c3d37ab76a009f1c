#pragma once

#include "runtime/DateValue.h"

namespace runtime {

// The one source of "now" for the whole program; tests install a fake.
class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time.
    virtual DateValue now() const = 0;
};

Clock& clock();
// Installs another clock (not owned); nullptr puts the system clock back.
void setClock(Clock* replacement);

// The current local date and time, the date alone and the time of day alone.
DateValue Now();
DateValue Today();
DateValue TimeOfDay();

} // namespace runtime
