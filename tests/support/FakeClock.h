#pragma once

#include "runtime/Clock.h"

namespace testing_support {

// A clock that stands still until a test moves it; installs itself while it lives.
class FakeClock final : public runtime::Clock {
public:
    explicit FakeClock(runtime::DateValue start);
    ~FakeClock() override;

    runtime::DateValue now() const override { return m_now; }
    void set(runtime::DateValue value) { m_now = value; }
    void setDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    void advanceSeconds(long long seconds);
    void advanceDays(int days) { advanceSeconds(86400LL * days); }

private:
    runtime::DateValue m_now;
};

} // namespace testing_support
