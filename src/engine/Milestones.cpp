#include "engine/Milestones.h"

namespace halvex {

std::optional<MilestoneBounds> milestoneBounds(qint64 days)
{
    qint64 previous = 0;
    for (const qint64 day : milestoneDays) {
        if (day > days)
            return MilestoneBounds{previous, day};
        previous = day;
    }
    return std::nullopt;
}

} // namespace halvex
