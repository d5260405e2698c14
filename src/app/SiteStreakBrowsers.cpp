#include "app/SiteStreakBrowsers.h"

#include <QSet>

#include "browsers/BrowserCatalog.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "permissions/PermissionSnapshot.h"
#include "platform/Log.h"

namespace halvex {

namespace {

bool isSite(const Streak &streak)
{
    return streak.typeRaw() != raw(StreakType::app);
}

} // namespace

void migrateLegacySiteStreakBrowsers(PersistenceController &persistence)
{
    ModelContext &context = persistence.mainContext();
    const auto streaks = context.fetch<Streak>();
    if (!streaks)
        return;
    bool changed = false;
    for (const std::shared_ptr<Streak> &streak : *streaks) {
        if (!isSite(*streak) || streak->browsers().isEmpty())
            continue;
        streak->setBrowsers({});
        changed = true;
    }
    if (changed)
        context.saveOrLog(platform::log::persistence(), "migrateLegacySiteStreakBrowsers");
}

bool isLimitedMode(const PermissionSnapshot &snapshot,
                   const std::vector<std::shared_ptr<Streak>> &streaks)
{
    QSet<QString> bundleIds;
    for (const std::shared_ptr<Streak> &streak : streaks) {
        if (!isSite(*streak))
            continue;
        for (const QString &key : streak->browsers()) {
            for (const BrowserCatalog::Entry &entry : BrowserCatalog::entries()) {
                if (entry.friendlyKey == key)
                    bundleIds.insert(entry.bundleIdentifier);
            }
        }
    }
    for (const QString &id : bundleIds) {
        if (snapshot.automationStatus.value(id, fennimar::AutomationStatus::notDetermined) !=
            fennimar::AutomationStatus::granted)
            return true;
    }
    return false;
}

void reconcileLimitedMode(PersistenceController &persistence, const PermissionSnapshot &snapshot,
                          const std::vector<std::shared_ptr<Streak>> &streaks)
{
    const bool limited = isLimitedMode(snapshot, streaks);
    ModelContext &context = persistence.mainContext();
    const std::shared_ptr<AppSettings> settings = AppSettings::fetchOrCreate(context);
    if (settings->limitedMode() == limited)
        return;
    settings->setLimitedMode(limited);
    context.saveOrLog(platform::log::persistence(), "limitedMode reconcile");
}

} // namespace halvex
