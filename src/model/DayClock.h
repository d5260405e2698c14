#pragma once

#include <functional>

#include <QDateTime>
#include <QTimeZone>

namespace halvex {

// The injectable "now" of everything that counts days, with the time zone
// in which calendar days are reckoned.
class DayClock final {
public:
    using Clock = std::function<QDateTime()>;

    explicit DayClock(Clock clock = systemClock(),
                      QTimeZone timeZone = QTimeZone::systemTimeZone());

    static DayClock &shared();
    static Clock systemClock();

    QDateTime now() const { return m_clock(); }
    const Clock &clock() const { return m_clock; }
    const QTimeZone &timeZone() const { return m_timeZone; }

private:
    Clock m_clock;
    QTimeZone m_timeZone;
};

} // namespace halvex
