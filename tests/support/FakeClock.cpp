#include "support/FakeClock.h"

namespace testing_support {

FakeClock::FakeClock(runtime::DateValue localStart) {
    set(localStart);
    runtime::setClock(this);
}

FakeClock::~FakeClock() {
    runtime::setClock(nullptr);
}

void FakeClock::set(runtime::DateValue local) {
    m_instant = runtime::toQDateTime(local, Qt::LocalTime).toUTC();
}

void FakeClock::setDateTime(int year, int month, int day, int hour, int minute, int second) {
    set(runtime::makeDateTime({year, month, day, hour, minute, second}));
}

void FakeClock::setUniversal(runtime::DateValue universal) {
    m_instant = runtime::toQDateTime(universal, Qt::UTC);
}

void FakeClock::advanceSeconds(long long seconds) {
    m_instant = m_instant.addSecs(seconds);
}

} // namespace testing_support
