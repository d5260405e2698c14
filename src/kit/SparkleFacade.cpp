#include "kit/SparkleFacade.h"

#include "platform/Log.h"

namespace fennimar {

SparkleFacade::SparkleFacade() = default;

SparkleFacade::~SparkleFacade() = default;

SparkleFacade &SparkleFacade::shared()
{
    static SparkleFacade facade;
    return facade;
}

void SparkleFacade::start(const QString &bundleIdentifier)
{
    if (m_started)
        return;
    m_started = true;
    m_logger = std::make_unique<platform::Logger>(bundleIdentifier.toUtf8().constData(), "Sparkle");
    m_logger->debug("no update framework: updates come from the package manager");
}

void SparkleFacade::probe(Completion completion)
{
    // Without an updater there is nothing to ask.
    if (completion)
        completion(UpdateProbeOutcome::failed());
}

namespace UpdateChecks {

void checkNow()
{
    SparkleFacade::shared().checkForUpdatesNow();
}

} // namespace UpdateChecks
} // namespace fennimar
