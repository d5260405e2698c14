#pragma once

#include <memory>

#include <QFuture>
#include <QMenu>
#include <QPromise>
#include <QStringList>
#include <QTemporaryDir>

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "FakeWorkspace.h"
#include "LoopbackBackend.h"
#include "StoreFixture.h"
#include "engine/StreakEngine.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/AutostartBackend.h"
#include "kit/Popover.h"
#include "kit/Telemetry.h"
#include "kit/TipJar.h"
#include "kit/UpdateChecker.h"
#include "platform/UserDefaults.h"
#include "settings/MenuPicker.h"
#include "settings/SettingsDependencies.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace settingstest {

// Chooses `value` from the picker's menu as a user would.
inline bool pick(halvex::MenuPicker *picker, const QString &value)
{
    picker->openMenu();
    for (QAction *action : picker->menu()->actions()) {
        if (action->data().toString() == value) {
            action->trigger();
            picker->menu()->close();
            return true;
        }
    }
    return false;
}

// A session's login item that answers as told and records what it was asked.
class FakeLoginItem final : public platform::LoginItem {
public:
    platform::LoginItemStatus status() const override { return current; }
    platform::Expected<void, platform::LoginItemError> registerItem() override
    {
        return answer(QStringLiteral("register"), platform::LoginItemStatus::enabled);
    }
    platform::Expected<void, platform::LoginItemError> unregisterItem() override
    {
        return answer(QStringLiteral("unregister"), platform::LoginItemStatus::notRegistered);
    }

    platform::LoginItemStatus current = platform::LoginItemStatus::notRegistered;
    // The next calls fail with this, leaving `current` as it is.
    std::optional<platform::LoginItemError> failure;
    QStringList calls;

private:
    platform::Expected<void, platform::LoginItemError> answer(const QString &call,
                                                              platform::LoginItemStatus after)
    {
        calls << call;
        if (failure)
            return platform::unexpected(*failure);
        current = after;
        return {};
    }
};

// An update framework that keeps each probe's completion for the test.
class FakeUpdateProbing final : public fennimar::UpdateProbing {
public:
    void probe(Completion completion) override
    {
        ++probes;
        pending = std::move(completion);
    }
    void dropProbeCompletion() override { pending = {}; }
    void checkForUpdatesNow() override { ++updaterShown; }

    Completion pending;
    int probes = 0;
    int updaterShown = 0;
};

class FakePopover final : public fennimar::Popover {
public:
    bool isShown() const override { return shown; }
    fennimar::PopoverBehavior behavior() const override
    {
        return fennimar::PopoverBehavior::transient;
    }
    void performClose() override
    {
        ++closes;
        shown = false;
    }
    bool shown = true;
    int closes = 0;
};

// Everything the settings window works with, in memory or fake: a store with
// streaks "a", "b", "c", the real engine, theme and tables, a counted hold
// over a fake desktop policy, an update checker over a fake framework, a
// workspace that records opened addresses, telemetry sent to a loopback
// backend, frames remembered in a temporary file, and re-planning that logs
// each step ("prune a,b,c", "schedule b", "digest"). The prune step's future
// finishes only when the test says so.
struct SettingsFixture {
    SettingsFixture()
    {
        halvex::Motion::setReduceMotion(true);
        for (const char *name : {"a", "b", "c"}) {
            auto streak = store.addStreak();
            streak->setName(QString::fromLatin1(name));
            streak->setSortOrder(int(streaks.size()));
            streaks << streak;
        }
        // A fixed language, whatever the machine's.
        settings()->setLanguageRaw(QStringLiteral("en"));
        translations.load(QStringLiteral("en"));
        store.save();
        engine.reload();
        remote.telemetry.enabled = true;
        fennimar::AppConfig config;
        config.slug = QStringLiteral("halvex");
        config.bundleId = QStringLiteral("com.fennimar.halvex");
        config.backendBaseURL = backend.baseURL();
        telemetry.configure(config, QtFuture::makeReadyFuture(QStringLiteral("install-1")));
    }

    halvex::SettingsDependencies dependencies()
    {
        return dependencies(store.persistence, loginItem);
    }
    halvex::SettingsDependencies dependencies(halvex::PersistenceController &persistence,
                                              fennimar::LaunchAtLoginBackend &login)
    {
        halvex::NotificationReplanning replanning{
            [this](const halvex::NotificationReplanning::Streaks &list) {
                QStringList names;
                for (const auto &streak : list)
                    names << streak->name();
                replanned << u"prune " + names.join(u',');
                prunePromise = std::make_shared<QPromise<void>>();
                prunePromise->start();
                return prunePromise->future();
            },
            [this](const std::shared_ptr<halvex::Streak> &streak) {
                replanned << u"schedule " + streak->name();
                return QtFuture::makeReadyFuture();
            },
            [this] {
                replanned << QStringLiteral("digest");
                return QtFuture::makeReadyFuture();
            },
        };
        return {persistence, engine,    login,  theme,      translations, activation,
                updates,     workspace, tipJar, replanning, {},           &defaults};
    }

    void finishPrune()
    {
        if (prunePromise)
            prunePromise->finish();
    }

    std::shared_ptr<halvex::AppSettings> settings()
    {
        return halvex::AppSettings::fetchOrCreate(store.context());
    }

    testing::StoreFixture store;
    halvex::StreakEngine engine{store.persistence, store.dayClock, nullptr, store.scheduler};
    QList<std::shared_ptr<halvex::Streak>> streaks;
    testing::FakeSystemAppearance desktop;
    halvex::ThemeController theme{desktop};
    halvex::TranslationLoader translations;
    std::shared_ptr<testing::FakeActivationPolicy> policy =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator activation{policy};
    FakeUpdateProbing probing;
    fennimar::UpdateChecker updates{probing, QStringLiteral("1.0.0"), store.scheduler};
    testing::FakeWorkspace workspace;
    testing::LoopbackBackend backend;
    fennimar::RemoteConfig::Payload remote;
    fennimar::Telemetry telemetry{[this] { return remote; }};
    fennimar::TipJar tipJar{telemetry, workspace};
    std::shared_ptr<FakeLoginItem> sessionItem = std::make_shared<FakeLoginItem>();
    fennimar::AutostartBackend loginItem{sessionItem};
    QTemporaryDir folder;
    platform::UserDefaults defaults{folder.filePath(QStringLiteral("defaults.ini"))};
    QStringList replanned;
    std::shared_ptr<QPromise<void>> prunePromise;
};

} // namespace settingstest
