#include "app/SiteStreakBrowsers.h"

#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "platform/Log.h"

namespace halvex {

void migrateLegacySiteStreakBrowsers(PersistenceController &persistence)
{
    ModelContext &context = persistence.mainContext();
    const auto streaks = context.fetch<Streak>();
    if (!streaks)
        return;
    bool changed = false;
    for (const std::shared_ptr<Streak> &streak : *streaks) {
        if (streak->typeRaw() == raw(StreakType::app) || streak->browsers().isEmpty())
            continue;
        streak->setBrowsers({});
        changed = true;
    }
    if (changed)
        context.saveOrLog(platform::log::persistence(), "migrateLegacySiteStreakBrowsers");
}

} // namespace halvex
