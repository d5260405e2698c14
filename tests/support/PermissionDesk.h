#pragma once

#include <memory>

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "FakeAutomationChecking.h"
#include "FakeBrowserProbe.h"
#include "FakeRunningApplications.h"
#include "FakeUserNotificationCenter.h"
#include "ManualScheduler.h"
#include "kit/AutomationProbe.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "kit/SystemNotificationAuthorizationProbe.h"
#include "permissions/PermissionManager.h"
#include "platform/DesktopSettings.h"
#include "platform/UserDefaults.h"

namespace testing {

// What the permission views are built with, over fakes: fake browser bridges
// (Safari driven by automation events, Firefox and Chrome read through
// accessibility), a permission manager over them with accessibility trust
// the test sets, following whether each bridge's browser can be read, a notification centre over a
// fake server, a desktop whose settings pages are all installed and recorded when opened, and a
// scheduler the test advances. `installed` lists the browsers installed.
struct PermissionDesk {
    static inline const QString safari = QStringLiteral("com.apple.Safari");
    static inline const QString firefox = QStringLiteral("org.mozilla.firefox");
    static inline const QString chrome = QStringLiteral("com.google.Chrome");

    QTemporaryDir dir;
    platform::UserDefaults defaults{dir.filePath(QStringLiteral("defaults.ini"))};
    FakeRunningApplications running;
    FakeAutomationChecking checking;
    fennimar::AutomationProbe automation{running, checking};
    ManualScheduler scheduler;
    bool trusted = false;
    // Whether asking for trust grants it.
    bool grantsTrust = false;
    QStringList installed;
    QStringList openedSettings;
    int refreshes = 0;

    std::shared_ptr<FakeBrowserProbe> safariProbe =
        std::make_shared<FakeBrowserProbe>(safari, halvex::BrowserAccessKind::appleEvents);
    std::shared_ptr<FakeBrowserProbe> firefoxProbe =
        std::make_shared<FakeBrowserProbe>(firefox, halvex::BrowserAccessKind::accessibility);
    std::shared_ptr<FakeBrowserProbe> chromeProbe =
        std::make_shared<FakeBrowserProbe>(chrome, halvex::BrowserAccessKind::accessibility);
    halvex::BrowserProbeTable probes{
        {safari, safariProbe}, {firefox, firefoxProbe}, {chrome, chromeProbe}};

    halvex::PermissionManager manager{{[this] {
                                           ++refreshes;
                                           return trusted;
                                       },
                                       [this] { return trusted = grantsTrust; }},
                                      automation,
                                      halvex::PermissionManager::automationBrowserBundleIds(probes),
                                      defaults,
                                      desktopSettings(),
                                      scheduler};

    FakeUserNotificationCenter notificationServer;
    fennimar::NotificationAuthorizationCenter notifications{notificationConfiguration()};

    PermissionDesk()
    {
        for (const auto &probe : {safariProbe, firefoxProbe, chromeProbe})
            probe->ownStatus = fennimar::AutomationStatus::notDetermined;
        manager.followReadability(probes);
    }

    std::function<bool(const QString &)> isInstalled()
    {
        return [this](const QString &bundleId) { return installed.contains(bundleId); };
    }

    // Every settings page is installed; each one opened is recorded as its
    // program's name and arguments.
    platform::DesktopSettings desktopSettings()
    {
        return platform::DesktopSettings(
            {QStringLiteral("GNOME")}, [](const QString &name) { return u"/usr/bin/" + name; },
            [this](const QString &path, const QStringList &arguments) {
                openedSettings << (QStringList{QFileInfo(path).fileName()} + arguments).join(u' ');
                return true;
            });
    }

private:
    fennimar::NotificationAuthorizationCenter::Configuration notificationConfiguration()
    {
        fennimar::NotificationAuthorizationCenter::Configuration configuration;
        configuration.probe =
            std::make_shared<fennimar::SystemNotificationAuthorizationProbe>(notificationServer);
        configuration.refreshNow = false;
        configuration.refreshOnForeground = false;
        configuration.scheduler = &scheduler;
        configuration.settings = desktopSettings();
        return configuration;
    }
};

} // namespace testing
