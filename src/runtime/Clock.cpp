#include "runtime/Clock.h"

namespace runtime {
namespace {

class SystemClock final : public Clock {
public:
    QDateTime instant() const override { return QDateTime::currentDateTimeUtc(); }
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
    return fromQDateTime(current->instant().toLocalTime());
}
DateValue Today() {
    return datePart(Now());
}
DateValue TimeOfDay() {
    return timePart(Now());
}
DateValue NowUniversal() {
    return fromQDateTime(current->instant().toUTC());
}

} // namespace runtime
