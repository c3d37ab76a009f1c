#include "support/FakeClock.h"

namespace testing_support {

FakeClock::FakeClock(runtime::DateValue start) : m_now(start) {
    runtime::setClock(this);
}

FakeClock::~FakeClock() {
    runtime::setClock(nullptr);
}

void FakeClock::setDateTime(int year, int month, int day, int hour, int minute, int second) {
    m_now = runtime::makeDateTime({year, month, day, hour, minute, second});
}

void FakeClock::advanceSeconds(long long seconds) {
    m_now = runtime::addSeconds(m_now, seconds);
}

} // namespace testing_support
