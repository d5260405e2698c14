#pragma once

#include <memory>
#include <vector>

namespace halvex {

class PersistenceController;
class Streak;
struct PermissionSnapshot;

// Site streaks once named the browsers they applied to; they now apply in
// every browser. Empties every site streak's browser list (any type but
// "app" is a site) and saves once, only when one had a list. Run at each
// launch before the services are built; a failed fetch skips it, a failed
// save is logged.
void migrateLegacySiteStreakBrowsers(PersistenceController &persistence);

// Limited mode: a site streak names a browser we are not allowed to steer.
// The browsers named by the site streaks, mapped through the catalogue
// (unknown keys dropped), count as limited unless the snapshot grants each
// one; no site streak or no known browser is not limited.
bool isLimitedMode(const PermissionSnapshot &snapshot,
                   const std::vector<std::shared_ptr<Streak>> &streaks);
// Stores the mode in the settings record when it changed; a failed save is
// logged and the value stays set.
void reconcileLimitedMode(PersistenceController &persistence, const PermissionSnapshot &snapshot,
                          const std::vector<std::shared_ptr<Streak>> &streaks);

} // namespace halvex
