#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "browsers/BrowserURLProbe.h"

namespace halvex {

class ClampedLabel;
class PermissionManager;
class PrimaryButton;
class Streak;
class StreakEngine;
struct PermissionSnapshot;

// A warning strip at the top of the popover's list naming one permission
// the streaks still need, by the browser it concerns, with a Fix button.
// Automation gaps (a browser a streak lists that is driven by automation
// events and not yet allowed) come before the accessibility gap (a site
// streak exists, accessibility is not trusted and a browser read through it
// is installed), and that before an unreadable browser (a site streak
// exists, and a browser runs that the snapshot finds cannot be read: every
// site streak is watched for in every browser). A browser read through
// accessibility is never probed for automation, so it is left to the
// accessibility check: an automation gap for it could never close. An
// unreadable browser has nothing to grant: only reopening it helps, which
// the message says, so that gap has no Fix button; it goes once the
// snapshot finds the reopened browser readable. With nothing missing the
// banner is hidden.
//
// While the window showing it is open the banner holds one monitoring count
// of the permission manager (refreshed first), so the snapshot it follows
// stays fresh; the count goes when the window closes.
//
// Identifiers: "PermissionErrorBanner" and "PermissionErrorBanner.Fix".
class PermissionErrorBanner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PermissionErrorBanner)
public:
    static constexpr int messageLines = 3;
    static constexpr int unreadableMessageLines = 5;

    struct Services {
        StreakEngine &engine;
        PermissionManager &permissions;
        // The browser bridges; an automation fix asks the browser's own.
        const BrowserProbeTable &probes;
        // Whether the browser of a bundle identifier is installed.
        std::function<bool(const QString &bundleId)> isInstalled;
    };

    struct Gap {
        enum class Kind { automation, accessibility, unreadable };
        Kind kind = Kind::accessibility;
        // The browser named; for automation, the one whose permission is asked.
        QString bundleId{};
        QString message{};

        friend bool operator==(const Gap &, const Gap &) = default;
    };

    // Everything in `services` must outlive the banner.
    explicit PermissionErrorBanner(Services services, QWidget *parent = nullptr);
    ~PermissionErrorBanner() override;

    // The catalogue browsers the streaks list, in order of first mention.
    static QStringList
    requiredBrowserBundleIds(const std::vector<std::shared_ptr<Streak>> &streaks);
    std::optional<Gap> currentGap() const;
    const std::optional<Gap> &shownGap() const { return m_gap; }

    // Asks for the permission of the gap shown.
    void fix();

    ClampedLabel *messageLabel() const { return m_message; }
    PrimaryButton *fixButton() const { return m_fix; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<Gap> automationGap(const PermissionSnapshot &snapshot) const;
    std::optional<Gap> accessibilityGap(const PermissionSnapshot &snapshot) const;
    std::optional<Gap> unreadableGap(const PermissionSnapshot &snapshot) const;
    bool hasSiteStreak() const;
    QString browserName(const QString &bundleId) const;
    void recompute();
    void watchWindow();
    void setMonitoring(bool monitoring);

    Services m_services;
    std::optional<Gap> m_gap;
    ClampedLabel *m_message;
    PrimaryButton *m_fix;
    QPointer<QWidget> m_window;
    bool m_monitoring = false;
};

} // namespace halvex
