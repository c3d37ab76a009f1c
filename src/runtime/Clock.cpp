#include "runtime/Clock.h"

namespace runtime {
namespace {

class SystemClock final : public Clock {
public:
    DateValue now() const override { return fromQDateTime(QDateTime::currentDateTime()); }
};

SystemClock systemClock;
Clock* current = &systemClock;

} // namespace

Clock& clock() {
    return *current;
}

void setClock(Clock* replacement) {
    current = replacement ? replacement : &systemClock;
}

DateValue Now() {
    return current->now();
}
DateValue Today() {
    return datePart(Now());
}
DateValue TimeOfDay() {
    return timePart(Now());
}

} // namespace runtime
