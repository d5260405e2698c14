#pragma once

#include <array>
#include <optional>

#include <QtGlobal>

namespace halvex {

// The day counts a streak celebrates, ascending. Views and the notification
// planner share this one table.
inline constexpr std::array<qint64, 7> milestoneDays{7, 14, 30, 60, 90, 180, 365};

// The milestones on either side of a day count.
struct MilestoneBounds {
    qint64 previous = 0; // the last one reached, 0 before the first (also below 0)
    qint64 next = 0;     // the first one still ahead
    friend bool operator==(const MilestoneBounds &, const MilestoneBounds &) = default;
};

// None once the last milestone is reached.
std::optional<MilestoneBounds> milestoneBounds(qint64 days);

} // namespace halvex
