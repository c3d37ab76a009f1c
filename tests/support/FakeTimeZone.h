#pragma once

#include "platform/TimeZoneInfo.h"

namespace testing_support {

// A time zone whose state is the same at every instant, for the universal-time conversions;
// installs itself while it lives.
class FakeTimeZone final : public platform::TimeZoneSource {
public:
    FakeTimeZone(runtime::Long bias, runtime::Long daylightBias, runtime::Long result)
        : m_bias(bias), m_daylightBias(daylightBias), m_result(result) {
        platform::setTimeZoneSource(this);
    }
    ~FakeTimeZone() override { platform::setTimeZoneSource(nullptr); }

    void setResult(runtime::Long result) { m_result = result; }

    runtime::Long query(const QDateTime&, platform::TimeZoneInformation& info) const override {
        info.Bias = m_bias;
        info.StandardBias = 0;
        info.DaylightBias = m_daylightBias;
        return m_result;
    }

private:
    runtime::Long m_bias;
    runtime::Long m_daylightBias;
    runtime::Long m_result;
};

// Sets TZ, the system's zone, for a scope and puts the test run's UTC back afterwards.
class ZoneVariable {
public:
    explicit ZoneVariable(const char* zone) { qputenv("TZ", zone); }
    ~ZoneVariable() { qputenv("TZ", "UTC"); }
    ZoneVariable(const ZoneVariable&) = delete;
    ZoneVariable& operator=(const ZoneVariable&) = delete;
};

} // namespace testing_support
