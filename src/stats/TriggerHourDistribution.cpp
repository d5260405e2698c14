#include "stats/TriggerHourDistribution.h"

#include <algorithm>

#include "model/CalendarDay.h"
#include "model/TriggerEvent.h"

namespace halvex {

TriggerHourDistribution::TriggerHourDistribution(const std::vector<QDateTime> &firedAt,
                                                 const QTimeZone &zone)
{
    for (const QDateTime &instant : firedAt) {
        const int hour = instant.toTimeZone(zone).time().hour();
        if (hour < 0) // an invalid date has no hour
            continue;
        ++m_buckets[size_t(hour)];
        ++m_total;
    }
    const auto peak = std::max_element(m_buckets.begin(), m_buckets.end());
    m_maximum = *peak;
    m_peakHour = int(peak - m_buckets.begin()); // max_element keeps the first of equals
}

QDateTime TriggerHourDistribution::cutoff(const QDateTime &now, const QTimeZone &zone)
{
    return calendar::startOfDay(now, zone).addSecs(-periodSeconds).toUTC();
}

FetchDescriptor<TriggerEvent> TriggerHourDistribution::eventsFetch(const QDateTime &cutoff)
{
    return {Predicate::compare(QStringLiteral("firedAt"), Predicate::Op::greaterOrEqual, cutoff)};
}

QString TriggerHourDistribution::hourLabel(int hour)
{
    return QString::asprintf("%02d:00", hour);
}

std::optional<int> TriggerHourDistribution::namedPeakHour() const
{
    if (m_total < minimumEventsForPeak || m_maximum < 1)
        return std::nullopt;
    return m_peakHour;
}

TriggerHourDistribution::Tone TriggerHourDistribution::tone(int hour) const
{
    const qint64 c = count(hour);
    if (m_maximum < 1 || c < 1)
        return Tone::empty;
    if (hour == m_peakHour)
        return Tone::peak;
    if (2 * c < m_maximum)
        return Tone::faint;
    return Tone::strong;
}

double TriggerHourDistribution::barHeight(int hour, double rowHeight, double minimumHeight) const
{
    if (m_maximum < 1)
        return minimumHeight;
    return std::max(double(count(hour)) / double(m_maximum) * rowHeight, minimumHeight);
}

} // namespace halvex
