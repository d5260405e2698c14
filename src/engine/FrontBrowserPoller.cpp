#include "engine/FrontBrowserPoller.h"

#include <QFutureWatcher>
#include <QPointer>

#include "engine/BrowserPermissions.h"

namespace halvex {

namespace {

double secondsBetween(const QDateTime &from, const QDateTime &to)
{
    return from.msecsTo(to) / 1000.0;
}

} // namespace

FrontBrowserPoller::FrontBrowserPoller(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{}

FrontBrowserPoller::~FrontBrowserPoller()
{
    if (m_activationTimer)
        m_activationTimer->invalidate();
    if (m_pollTimer)
        m_pollTimer->invalidate();
}

void FrontBrowserPoller::startPolling(const platform::RunningApplication &application)
{
    if (m_pollTimer)
        m_pollTimer->invalidate();
    m_polledApp = application;
    m_polling = true;
    scheduleTick();
}

void FrontBrowserPoller::stopPolling()
{
    if (m_pollTimer)
        m_pollTimer->invalidate();
    m_pollTimer.reset();
    m_polledApp.reset();
    m_polling = false;
}

void FrontBrowserPoller::scheduleTick()
{
    QPointer<FrontBrowserPoller> self(this);
    m_pollTimer = m_services.scheduler.scheduleOnce(pollIntervalSeconds, [self] {
        if (!self)
            return;
        // Re-armed first, so that a tick which stops the poll cancels the next.
        self->scheduleTick();
        self->pollNow();
    });
}

void FrontBrowserPoller::pollNow()
{
    if (!m_polledApp || m_polledApp->bundleIdentifier.isEmpty())
        return;
    const QString &bundleId = m_polledApp->bundleIdentifier;
    probe({*m_polledApp, now(), bundleId, bundleId});
}

void FrontBrowserPoller::activate(const BrowserActivation &activation)
{
    m_pendingActivation = activation;
    if (m_activationTimer)
        m_activationTimer->invalidate();
    QPointer<FrontBrowserPoller> self(this);
    m_activationTimer = m_services.scheduler.scheduleOnce(activationDebounceSeconds, [self] {
        if (!self || !self->m_pendingActivation)
            return;
        const BrowserActivation activation = *self->m_pendingActivation;
        self->m_pendingActivation.reset();
        self->m_activationTimer.reset();
        self->probe(activation);
    });
}

void FrontBrowserPoller::cancelPendingActivation()
{
    if (m_activationTimer)
        m_activationTimer->invalidate();
    m_activationTimer.reset();
    m_pendingActivation.reset();
}

void FrontBrowserPoller::probe(const BrowserActivation &activation)
{
    const QString &bundleId = activation.bundleId;
    if (bundleId.isEmpty())
        return;
    const std::shared_ptr<BrowserURLProbe> probe = m_services.probes.value(bundleId);
    if (!probe || !m_services.permissions.mayProbe(*probe, bundleId))
        return;

    const std::optional<platform::ApplicationWindow> window =
        m_services.workspace.frontWindowOf(bundleId);
    if (const auto cached = m_recentProbes.constFind(bundleId);
        cached != m_recentProbes.constEnd() && cached->window == window &&
        secondsBetween(cached->timestamp, now()) < probeReuseSeconds) {
        if (cached->url)
            m_services.onURL(*cached->url, activation, window);
        return;
    }

    auto *watcher = new QFutureWatcher<URLReadResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, bundleId, activation, window] {
                watcher->deleteLater();
                // A cancelled read (its bridge went away) tells nothing.
                if (watcher->future().resultCount() == 0)
                    return;
                handleResult(watcher->result(), bundleId, activation, window);
            });
    watcher->setFuture(probe->fetchURL());
}

void FrontBrowserPoller::handleResult(const URLReadResult &result, const QString &bundleId,
                                      const BrowserActivation &activation,
                                      const std::optional<platform::ApplicationWindow> &window)
{
    if (!result) {
        switch (result.error().kind()) {
        case ProbeError::Kind::automationDenied:
        case ProbeError::Kind::accessibilityDenied:
            m_services.permissions.recordDenied(bundleId);
            break;
        case ProbeError::Kind::scriptFailure:
        case ProbeError::Kind::notRunning:
            break;
        }
        return;
    }
    const std::optional<QUrl> &url = result.value();
    m_recentProbes.insert(bundleId, {now(), url, window});
    if (url)
        m_services.onURL(*url, activation, window);
}

TriggerSource FrontBrowserPoller::sourceOf(const BrowserActivation &activation) const
{
    if (secondsBetween(activation.switchedAt, now()) > externalLinkSeconds)
        return TriggerSource::url;
    if (!activation.previousBundleId)
        return TriggerSource::url;
    if (m_services.probes.isEmpty())
        return TriggerSource::externalLink;
    return m_services.probes.contains(*activation.previousBundleId) ? TriggerSource::url
                                                                    : TriggerSource::externalLink;
}

} // namespace halvex
