#include "engine/BrowserPermissions.h"

#include "browsers/BrowserURLProbe.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "platform/Log.h"

namespace halvex {

using fennimar::AutomationStatus;

BrowserPermissions::BrowserPermissions(PersistenceController &persistence,
                                       AutomationStatusFunction automationStatus)
    : m_persistence(persistence)
    , m_automationStatus(std::move(automationStatus))
{}

void BrowserPermissions::load()
{
    const auto settings = AppSettings::fetchOrCreate(m_persistence.mainContext());
    if (auto stored = AppSettings::decodeDeniedBrowsers(settings->deniedAutomationBundleIdsRaw()))
        m_denied = std::move(*stored);
}

bool BrowserPermissions::mayProbe(BrowserURLProbe &probe, const QString &bundleId)
{
    if (m_denied.count(bundleId)) {
        const AutomationStatus status = probe.accessKind() == BrowserAccessKind::accessibility
                                            ? probe.automationStatus()
                                            : m_automationStatus(probe.bundleIdentifier());
        if (status != AutomationStatus::granted)
            return false;
        m_denied.erase(bundleId);
        m_undecided.erase(bundleId);
        persistDenied();
    }
    if (probe.accessKind() == BrowserAccessKind::appleEvents) {
        if (m_automationStatus(bundleId) == AutomationStatus::notDetermined) {
            if (m_undecided.insert(bundleId).second)
                flipToLimitedMode();
            return false;
        }
        m_undecided.erase(bundleId);
    }
    return true;
}

void BrowserPermissions::recordDenied(const QString &bundleId)
{
    m_denied.insert(bundleId);
    persistDenied();
    flipToLimitedMode();
}

void BrowserPermissions::persistDenied()
{
    ModelContext &context = m_persistence.mainContext();
    const auto settings = AppSettings::fetchOrCreate(context);
    settings->setDeniedAutomationBundleIdsRaw(AppSettings::encodeDeniedBrowsers(m_denied));
    context.saveOrLog(platform::log::triggers(), "persistDeniedBrowsers");
}

void BrowserPermissions::flipToLimitedMode()
{
    ModelContext &context = m_persistence.mainContext();
    const auto settings = AppSettings::fetchOrCreate(context);
    if (settings->limitedMode())
        return;
    settings->setLimitedMode(true);
    context.saveOrLog(platform::log::triggers(), "flipToLimitedMode");
}

} // namespace halvex
