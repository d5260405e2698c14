#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QFuture>

class QWidget;

namespace fennimar {
class ActivationPolicyCoordinator;
class LaunchAtLoginBackend;
class TipJar;
class UpdateChecker;
} // namespace fennimar

namespace platform {
class UserDefaults;
class Workspace;
} // namespace platform

namespace halvex {

class PersistenceController;
class Streak;
class StreakEngine;
class ThemeController;
class TranslationLoader;

// Re-planning the local notifications a setting changes. The application
// owns the schedulers; each step is optional, and one left empty is skipped.
struct NotificationReplanning {
    using Streaks = std::vector<std::shared_ptr<Streak>>;
    // Drops pending milestone notifications of streaks not in the list.
    std::function<QFuture<void>(const Streaks &)> pruneMilestones{};
    // Plans one streak's milestone notifications anew.
    std::function<QFuture<void>(const std::shared_ptr<Streak> &)> scheduleMilestones{};
    // Rebuilds the pending weekly digest from the settings of the moment.
    std::function<QFuture<void>()> rescheduleWeeklyDigest{};
};

// The application's services the settings window works with, handed over
// once at start-up; every one outlives the window.
struct SettingsDependencies {
    // Builds the Permissions section's page, afresh each time the section is
    // shown; empty, the section shows only its heading.
    using PageFactory = std::function<QWidget *()>;

    PersistenceController &persistence;
    StreakEngine &streakEngine;
    fennimar::LaunchAtLoginBackend &loginItem;
    ThemeController &theme;
    TranslationLoader &translations;
    fennimar::ActivationPolicyCoordinator &activationPolicy;
    fennimar::UpdateChecker &updates;
    // Opens the About section's links.
    platform::Workspace &workspace;
    const fennimar::TipJar &tipJar;
    NotificationReplanning replanning{};
    PageFactory permissionsPage{};
    // Where the window's frame is remembered; the standard defaults when null.
    platform::UserDefaults *frameDefaults = nullptr;
};

} // namespace halvex
