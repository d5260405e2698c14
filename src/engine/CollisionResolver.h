#pragma once

#include <memory>
#include <vector>

namespace halvex {

class Streak;

// Picks the one streak a trigger belongs to when several match.
struct CollisionResolver {
    // The streak that ranks first; among equals the earliest in the list.
    // Null for an empty list.
    static std::shared_ptr<Streak> resolve(const std::vector<std::shared_ptr<Streak>> &candidates);
    // Fewer targets first (the more specific rule), then the smaller sortOrder.
    static bool ranksBefore(const Streak &a, const Streak &b);
};

} // namespace halvex
