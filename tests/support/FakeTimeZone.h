#pragma once

#include "platform/TimeZoneInfo.h"

namespace testing_support {

// A fixed time zone for the universal-time conversions; installs itself while it lives.
class FakeTimeZone final : public platform::TimeZoneSource {
public:
    FakeTimeZone(runtime::Long bias, runtime::Long daylightBias, runtime::Long result)
        : m_bias(bias), m_daylightBias(daylightBias), m_result(result) {
        platform::setTimeZoneSource(this);
    }
    ~FakeTimeZone() override { platform::setTimeZoneSource(nullptr); }

    void setResult(runtime::Long result) { m_result = result; }

    runtime::Long query(platform::TimeZoneInformation& info) const override {
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

} // namespace testing_support
