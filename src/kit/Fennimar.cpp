#include "kit/Fennimar.h"

#include <memory>

#include <QLocale>
#include <QTimer>

#include "kit/CrashFacts.h"
#include "kit/CrashReporter.h"
#include "kit/CrashUploader.h"
#include "kit/HTTPClient.h"
#include "kit/InstallID.h"
#include "kit/RemoteConfig.h"
#include "kit/ReviewPrompt.h"
#include "kit/SparkleFacade.h"
#include "kit/Telemetry.h"
#include "platform/SecretServiceKeychain.h"
#include "platform/UserDefaults.h"

namespace fennimar {

namespace {

// Written once, by bootstrap() on the main thread, before any reader runs.
struct State {
    AppConfig config;
    CrashReporter *crashReporter = nullptr;
    std::unique_ptr<ReviewPrompt> reviewPrompt;
    platform::Keychain *keychain = nullptr;
};

std::optional<State> &state()
{
    static std::optional<State> value;
    return value;
}

} // namespace

Fennimar::Services Fennimar::Services::live()
{
    static platform::SecretServiceKeychain keychain;
    Services services;
    services.keychain = &keychain;
    services.defaults = &platform::UserDefaults::standard();
    services.session = HTTPClient::sharedSession();
    return services;
}

void Fennimar::bootstrap(const AppConfig &config, const BootstrapOptions &options)
{
    bootstrap(config, options, Services::live());
}

void Fennimar::bootstrap(const AppConfig &config, const BootstrapOptions &options,
                         const Services &given)
{
    Services services = given;
    if (!services.keychain || !services.defaults || !services.session) {
        const Services live = Services::live();
        services.keychain = services.keychain ? services.keychain : live.keychain;
        services.defaults = services.defaults ? services.defaults : live.defaults;
        services.session = services.session ? services.session : live.session;
    }
    platform::Keychain &keychain = *services.keychain;

    CrashReporter *reporter = nullptr;
    if (options.installCrashReporter) {
        auto uploader = std::make_unique<CrashUploader>(
            config, services.crashFolder.value_or(CrashUploader::pendingFolder(config.bundleId)),
            services.session);
        reporter = &CrashReporter::makeCurrent(std::make_unique<CrashReporter>(
            config, std::move(uploader), InstallID::current(config.bundleId, keychain)));
        CrashFacts::captureAtLaunch();
        CrashReporter::installExceptionHandler();
        CrashReporter::installSignalHandlers();
        // Nothing waits for the upload.
        reporter->uploader().drain();
    }

    if (options.installSparkle)
        SparkleFacade::shared().start(config.bundleId);

    if (options.installTelemetry)
        Telemetry::shared().configure(config, keychain, services.session);

    const QString bundleId = config.bundleId;
    auto reviewPrompt = std::make_unique<ReviewPrompt>(ReviewPrompt::Parts{
        config.slug,
        config.backendBaseURL,
        HTTPClient(services.session, config.userAgent()),
        *services.defaults,
        services.calendar,
        services.now,
        [] { return ReviewPrompt::settingsOf(RemoteConfig::shared().snapshot()); },
        [bundleId, &keychain] { return InstallID::current(bundleId, keychain); },
        Telemetry::shared(),
    });

    state() = State{config, reporter, std::move(reviewPrompt), &keychain};

    // From the event loop, once start-up has returned: the cached remote
    // configuration is in place before the launch event reads its switch,
    // and the refresh it starts is not waited for.
    QTimer::singleShot(0, [config, options] {
        RemoteConfig::shared().configure(config);
        if (options.installTelemetry) {
            Telemetry::shared().track(QStringLiteral("app.launch"),
                                      {{QStringLiteral("locale"), QLocale().name()}});
        }
    });
}

std::optional<AppConfig> Fennimar::config()
{
    if (!state())
        return std::nullopt;
    return state()->config;
}

ReviewPrompt *Fennimar::reviewPrompt()
{
    return state() ? state()->reviewPrompt.get() : nullptr;
}

CrashReporter *Fennimar::crashReporter()
{
    return state() ? state()->crashReporter : nullptr;
}

QString Fennimar::installId()
{
    if (!state())
        return QStringLiteral("(uninitialised)");
    return InstallID::current(state()->config.bundleId, *state()->keychain);
}

} // namespace fennimar
