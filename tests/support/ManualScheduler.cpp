#include "ManualScheduler.h"

#include <algorithm>

namespace testing {

struct ManualScheduler::Entry final : platform::ScheduledTimer {
    double due = 0.0;
    std::function<void()> work;
    bool valid = true;
    void invalidate() override { valid = false; }
    bool isValid() const override { return valid; }
};

std::shared_ptr<platform::ScheduledTimer> ManualScheduler::scheduleOnce(double seconds,
                                                                        std::function<void()> work)
{
    auto entry = std::make_shared<Entry>();
    entry->due = m_elapsed + std::max(0.0, seconds);
    entry->work = std::move(work);
    m_entries.push_back(entry);
    m_requested.push_back(seconds);
    return entry;
}

void ManualScheduler::advance(double seconds)
{
    const double target = m_elapsed + seconds;
    std::erase_if(m_entries, [](const auto &e) { return !e->valid; });
    // min_element keeps the first of equal deadlines: the earlier armed.
    auto byDue = [](const auto &a, const auto &b) { return a->due < b->due; };
    for (auto next = std::min_element(m_entries.begin(), m_entries.end(), byDue);
         next != m_entries.end() && (*next)->due <= target;
         next = std::min_element(m_entries.begin(), m_entries.end(), byDue)) {
        const std::shared_ptr<Entry> entry = *next;
        m_entries.erase(next);
        m_elapsed = std::max(m_elapsed, entry->due);
        if (!entry->valid)
            continue;
        entry->valid = false;
        entry->work();
    }
    m_elapsed = target;
}

int ManualScheduler::pendingCount() const
{
    return int(
        std::count_if(m_entries.begin(), m_entries.end(), [](const auto &e) { return e->valid; }));
}

} // namespace testing
