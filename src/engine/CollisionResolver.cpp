#include "engine/CollisionResolver.h"

#include <algorithm>

#include "model/Streak.h"

namespace halvex {

bool CollisionResolver::ranksBefore(const Streak &a, const Streak &b)
{
    const qsizetype ta = a.domains().size() + a.bundleIdentifiers().size();
    const qsizetype tb = b.domains().size() + b.bundleIdentifiers().size();
    if (ta != tb)
        return ta < tb;
    return a.sortOrder() < b.sortOrder();
}

std::shared_ptr<Streak>
CollisionResolver::resolve(const std::vector<std::shared_ptr<Streak>> &candidates)
{
    // The first minimum is what a stable sort would put in front.
    std::shared_ptr<Streak> best;
    for (const auto &candidate : candidates) {
        if (!candidate)
            continue;
        if (!best || ranksBefore(*candidate, *best))
            best = candidate;
    }
    return best;
}

} // namespace halvex
