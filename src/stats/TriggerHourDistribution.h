#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include "model/Predicate.h"

namespace halvex {

class TriggerEvent;

// The trigger events of about the last month counted by the local hour of
// the day in which they fired, and how the chart shows each hour.
class TriggerHourDistribution final {
public:
    static constexpr int hours = 24;
    static constexpr qint64 periodSeconds = 30 * 86400;
    // The hardest hour is named only from this many events on.
    static constexpr qint64 minimumEventsForPeak = 5;

    // How a bar is coloured.
    enum class Tone {
        empty,  // no events at that hour (or none at all)
        peak,   // the hardest hour
        faint,  // fewer than half the hardest hour's count
        strong, // the rest
    };

    TriggerHourDistribution() = default;
    // Each instant counts at its wall-clock hour in `zone`, so across a
    // daylight-saving change events stay at the hour the user lived them.
    TriggerHourDistribution(const std::vector<QDateTime> &firedAt, const QTimeZone &zone);

    // The start of the period: the start of the day holding `now` in `zone`,
    // less 30 times 86,400 seconds.
    static QDateTime cutoff(const QDateTime &now, const QTimeZone &zone);
    // The events fired at or after `cutoff`.
    static FetchDescriptor<TriggerEvent> eventsFetch(const QDateTime &cutoff);
    // "07:00".
    static QString hourLabel(int hour);

    const std::array<qint64, hours> &buckets() const { return m_buckets; }
    qint64 count(int hour) const { return m_buckets.at(size_t(hour)); }
    qint64 total() const { return m_total; }
    // The earliest hour with the highest count (0 when there are no events).
    int peakHour() const { return m_peakHour; }
    // The hour the chart names as the hardest one: none up to four events.
    std::optional<int> namedPeakHour() const;

    Tone tone(int hour) const;
    // The bar's height in a row `rowHeight` high: its share of the highest
    // count, never below `minimumHeight`.
    double barHeight(int hour, double rowHeight, double minimumHeight) const;

private:
    std::array<qint64, hours> m_buckets{};
    qint64 m_total = 0;
    qint64 m_maximum = 0;
    int m_peakHour = 0;
};

} // namespace halvex
