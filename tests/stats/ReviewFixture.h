#pragma once

#include <memory>

#include <QAbstractButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "FakeWorkspace.h"
#include "LoopbackBackend.h"
#include "StoreFixture.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/ReviewPrompt.h"
#include "kit/Telemetry.h"
#include "model/AppSettings.h"
#include "platform/UserDefaults.h"
#include "stats/ReviewPromptView.h"
#include "stats/ReviewPromptWindowController.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace reviewtest {

// The review prompt's world, in memory or fake: a store whose first launch
// is complete (English, light), the library's review component over its own
// defaults and a loopback backend, a counted hold over a fake desktop
// policy, a workspace that records opened pages, and the window controller
// over all of them. `libraryStarted` false hides the component.
struct ReviewFixture {
    ReviewFixture()
    {
        halvex::Motion::setReduceMotion(true);
        settings()->setFirstLaunchCompleted(true);
        settings()->setLanguageRaw(QStringLiteral("en"));
        settings()->setThemeRaw(QStringLiteral("light"));
        store.save();
        translations.load(QStringLiteral("en"));

        fennimar::AppConfig config;
        config.slug = QStringLiteral("halvex");
        config.bundleId = QStringLiteral("com.fennimar.halvex");
        config.appName = QStringLiteral("Halvex");
        config.version = QStringLiteral("1.4.0");
        config.build = QStringLiteral("57");
        config.backendBaseURL = backend.baseURL();
        telemetry.configure(config, QtFuture::makeReadyFuture(QStringLiteral("install-1")),
                            &session);
        prompt = std::make_unique<fennimar::ReviewPrompt>(fennimar::ReviewPrompt::Parts{
            config.slug,
            config.backendBaseURL,
            fennimar::HTTPClient(&session, config.userAgent()),
            defaults,
            testing::berlin,
            [this] { return store.now; },
            [] { return fennimar::RemoteConfig::ReviewPrompt::defaults(); },
            [] { return QStringLiteral("install-1"); },
            telemetry,
        });
    }

    std::shared_ptr<halvex::AppSettings> settings()
    {
        return halvex::AppSettings::fetchOrCreate(store.context());
    }

    // Far enough into use that the library says a first prompt is due.
    void makePromptDue()
    {
        using fennimar::ReviewPrompt;
        defaults.setValue(ReviewPrompt::firstUseAtKey,
                          double(store.now.addDays(-20).toSecsSinceEpoch()));
        defaults.setValue(ReviewPrompt::useDaysKey, 6);
        defaults.setValue(ReviewPrompt::lastUseDayKey, QStringLiteral("2026-2-1"));
    }

    int presentations() const { return int(prompt->usage().presentations); }

    QList<QJsonObject> reviewBodies() const
    {
        QList<QJsonObject> bodies;
        for (const auto &request : backend.requests("POST", "/api/reviews/app"))
            bodies << QJsonDocument::fromJson(request.body).object();
        return bodies;
    }

    testing::StoreFixture store;
    testing::FakeSystemAppearance desktop;
    halvex::ThemeController theme{desktop};
    halvex::TranslationLoader translations;
    std::shared_ptr<testing::FakeActivationPolicy> policy =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator activation{policy};
    testing::FakeWorkspace workspace;
    testing::LoopbackBackend backend;
    QNetworkAccessManager session;
    QTemporaryDir folder;
    platform::UserDefaults defaults{folder.filePath(QStringLiteral("defaults.ini"))};
    fennimar::Telemetry telemetry{[] { return fennimar::RemoteConfig::Payload::defaults(); }};
    std::unique_ptr<fennimar::ReviewPrompt> prompt;
    bool libraryStarted = true;
    halvex::ReviewPromptWindowController window{{
        theme,
        translations,
        workspace,
        activation,
        [this] { return libraryStarted ? prompt.get() : nullptr; },
    }};
};

template <class T = QAbstractButton> T *find(const QWidget *root, const QString &name)
{
    return root ? root->findChild<T *>(name) : nullptr;
}

} // namespace reviewtest
