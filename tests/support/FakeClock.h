#pragma once

#include "runtime/Clock.h"

namespace testing_support {

// A clock that stands still until a test moves it; installs itself while it lives. Local times
// are read in the system's time zone (the test run's TZ).
class FakeClock final : public runtime::Clock {
public:
    explicit FakeClock(runtime::DateValue localStart);
    ~FakeClock() override;

    QDateTime instant() const override { return m_instant; }
    // The local date and time the program sees now.
    runtime::DateValue now() const { return runtime::Now(); }

    void set(runtime::DateValue local);
    void setDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    // The instant itself, for local times that occur twice (the repeated autumn hour).
    void setUniversal(runtime::DateValue universal);
    void advanceSeconds(long long seconds);
    void advanceDays(int days) { advanceSeconds(86400LL * days); }

private:
    QDateTime m_instant;
};

} // namespace testing_support
