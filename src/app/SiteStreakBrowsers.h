#pragma once

namespace halvex {

class PersistenceController;

// Site streaks once named the browsers they applied to; they now apply in
// every browser. Empties every site streak's browser list (any type but
// "app" is a site) and saves once, only when one had a list. Run at each
// launch before the services are built; a failed fetch skips it, a failed
// save is logged.
void migrateLegacySiteStreakBrowsers(PersistenceController &persistence);

} // namespace halvex
