#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

#include "browsers/BrowserURLProbe.h"
#include "model/TriggerEvent.h"
#include "platform/RunningApplications.h"
#include "platform/TimerScheduler.h"
#include "platform/Workspace.h"

namespace halvex {

class BrowserPermissions;

// A probed browser coming to the front.
struct BrowserActivation {
    platform::RunningApplication app;
    QDateTime switchedAt;
    // What was in front before; for a poll tick, the browser itself.
    std::optional<QString> previousBundleId;
    QString bundleId;
};

// When the trigger watcher's browser road reads the front tab: once a
// browser's activation has settled (of a quick run of switches only the
// browser that stays is read), and at every poll tick while it stays in
// front. A read younger than the reuse time answers instead of a new one
// while the same window is in front; refusals go to the permissions. Each
// URL read goes to `onURL` with the activation it belongs to and the window
// it was read in. Main thread only.
class FrontBrowserPoller final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using URLHandler = std::function<void(const QUrl &, const BrowserActivation &,
                                          const std::optional<platform::ApplicationWindow> &)>;

    static constexpr double pollIntervalSeconds = 2.0;
    static constexpr double activationDebounceSeconds = 0.75;
    static constexpr double probeReuseSeconds = 1.5;
    static constexpr double externalLinkSeconds = 1.5;

    struct Services {
        const BrowserProbeTable &probes;
        BrowserPermissions &permissions;
        // Which of the browser's windows is in front, read with each look.
        const platform::Workspace &workspace;
        Clock clock;
        platform::TimerScheduler &scheduler;
        URLHandler onURL;
    };

    explicit FrontBrowserPoller(Services services, QObject *parent = nullptr);
    ~FrontBrowserPoller() override;
    Q_DISABLE_COPY_MOVE(FrontBrowserPoller)

    bool isProbed(const QString &bundleId) const { return m_services.probes.contains(bundleId); }

    // Polls the browser from the next tick on, in place of any other.
    void startPolling(const platform::RunningApplication &application);
    void stopPolling();
    bool isPolling() const { return m_polling; }
    const std::optional<platform::RunningApplication> &polledApp() const { return m_polledApp; }
    // One poll tick: reads the polled browser, if any.
    void pollNow();

    // Reads made so far answer no later tick: the next one reads afresh.
    void forgetReads() { m_recentProbes.clear(); }

    // Debounced: each activation replaces the one waiting.
    void activate(const BrowserActivation &activation);
    void cancelPendingActivation();

    // How a page that came up with the activation got there: a browser that
    // came to the front just after another application looks like a link
    // opened from that application.
    TriggerSource sourceOf(const BrowserActivation &activation) const;

private:
    struct RecentProbe {
        QDateTime timestamp;
        std::optional<QUrl> url;
        // The window in front as it was read: a read of another window (a
        // second process's, one switched away from) tells nothing of this one.
        std::optional<platform::ApplicationWindow> window;
    };

    QDateTime now() const { return m_services.clock(); }
    void scheduleTick();
    void probe(const BrowserActivation &activation);
    void handleResult(const URLReadResult &result, const QString &bundleId,
                      const BrowserActivation &activation,
                      const std::optional<platform::ApplicationWindow> &window);

    Services m_services;
    QHash<QString, RecentProbe> m_recentProbes;

    bool m_polling = false;
    std::optional<platform::RunningApplication> m_polledApp;
    std::shared_ptr<platform::ScheduledTimer> m_pollTimer;

    std::optional<BrowserActivation> m_pendingActivation;
    std::shared_ptr<platform::ScheduledTimer> m_activationTimer;
};

} // namespace halvex
