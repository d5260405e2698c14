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
#include "kit/SharedFuture.h"
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
    SharedFuture<QString> installId;
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
    // The one question to the keychain in this run. A keyring that is
    // locked, prompting or silent answers late or never: nothing here
    // waits for it.
    const SharedFuture<QString> identity(
        InstallID::current(config.bundleId, *services.keychain, *services.defaults));

    CrashReporter *reporter = nullptr;
    if (options.installCrashReporter) {
        auto uploader = std::make_unique<CrashUploader>(
            config, services.crashFolder.value_or(CrashUploader::pendingFolder(config.bundleId)),
            services.session);
        reporter = &CrashReporter::makeCurrent(
            std::make_unique<CrashReporter>(config, std::move(uploader), QString()));
        CrashFacts::captureAtLaunch();
        CrashReporter::installExceptionHandler();
        CrashReporter::installSignalHandlers();
        identity.future().then([reporter](const QString &id) {
            // Unless a later start-up replaced it.
            if (CrashReporter::current() == reporter)
                reporter->setInstallId(id);
        });
        // Nothing waits for the upload.
        reporter->uploader().drain();
    }

    if (options.installSparkle)
        SparkleFacade::shared().start(config.bundleId);

    if (options.installTelemetry)
        Telemetry::shared().configure(config, identity.future(), services.session);

    auto reviewPrompt = std::make_unique<ReviewPrompt>(ReviewPrompt::Parts{
        config.slug,
        config.backendBaseURL,
        HTTPClient(services.session, config.userAgent()),
        *services.defaults,
        services.calendar,
        services.now,
        [] { return ReviewPrompt::settingsOf(RemoteConfig::shared().snapshot()); },
        // A rating is given long after start-up; should the identity still
        // be on its way, the rating goes without it rather than wait.
        [identity] { return identity.value().value_or(QString()); },
        Telemetry::shared(),
    });

    state() = State{config, reporter, std::move(reviewPrompt), identity};

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

QFuture<QString> Fennimar::installId()
{
    if (!state())
        return QtFuture::makeReadyFuture(QStringLiteral("(uninitialised)"));
    return state()->installId.future();
}

} // namespace fennimar
