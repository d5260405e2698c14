#pragma once

#include "platform/SystemTimeZone.h"

namespace testing {

// A system zone the test moves, as the user does in the desktop's settings.
class FakeSystemTimeZone final : public platform::SystemTimeZone {
public:
    explicit FakeSystemTimeZone(QTimeZone zone)
        : m_zone(std::move(zone))
    {}
    QTimeZone zone() const override { return m_zone; }
    void setZone(const QTimeZone &zone)
    {
        if (zone == m_zone)
            return;
        m_zone = zone;
        emit changed();
    }

private:
    QTimeZone m_zone;
};

} // namespace testing
