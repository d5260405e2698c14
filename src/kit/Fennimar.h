#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QFuture>
#include <QString>
#include <QTimeZone>

#include "kit/AppConfig.h"

class QNetworkAccessManager;

namespace platform {
class Keychain;
class UserDefaults;
} // namespace platform

namespace fennimar {

class CrashReporter;
class ReviewPrompt;

// The library's entry point: the application starts every service once
// through bootstrap() and later reaches what it built. Main thread only.
class Fennimar final {
public:
    Fennimar() = delete;

    struct BootstrapOptions {
        bool installCrashReporter = true;
        bool installSparkle = true;
        bool installTelemetry = true;

        // Everything on: what the application passes.
        static BootstrapOptions standard() { return {}; }
    };

    // The system services start-up hands to the library, so that tests can
    // hand in theirs; a service left empty is the live one.
    struct Services {
        platform::Keychain *keychain = nullptr;
        platform::UserDefaults *defaults = nullptr;
        QNetworkAccessManager *session = nullptr;
        QTimeZone calendar = QTimeZone::systemTimeZone();
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        // The pending-crash folder; the configuration's by default.
        std::optional<QString> crashFolder;

        static Services live();
    };

    // Once per process, before any window exists: crash reporting (handlers
    // and the launch's upload of pending records), the update facade,
    // telemetry and the review prompt, in that order; then, from the event
    // loop, the remote configuration and the "app.launch" event, which does
    // not wait for the network. Never fails, and never waits for the
    // keychain: the install identity is asked for once, and what needs it
    // takes it when it comes.
    static void bootstrap(const AppConfig &config, const BootstrapOptions &options);
    static void bootstrap(const AppConfig &config, const BootstrapOptions &options,
                          const Services &services);

    // Nothing before bootstrap().
    static std::optional<AppConfig> config();
    static ReviewPrompt *reviewPrompt();
    // The reporter start-up made, or nothing when it made none.
    static CrashReporter *crashReporter();
    // This run's install identity, once the keychain has answered or given
    // up; "(uninitialised)" before bootstrap().
    static QFuture<QString> installId();
};

} // namespace fennimar
