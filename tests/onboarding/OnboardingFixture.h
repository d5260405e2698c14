#pragma once

#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "AccessibilityTestbed.h"
#include "FakeAutomationChecking.h"
#include "FakeKeystrokeSending.h"
#include "FakeLaunchAtLoginBackend.h"
#include "FakeSystemAppearance.h"
#include "FakeUserNotificationCenter.h"
#include "StoreFixture.h"
#include "browsers/AXURLReader.h"
#include "browsers/LinuxProbeTable.h"
#include "kit/AutomationProbe.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "kit/SystemNotificationAuthorizationProbe.h"
#include "onboarding/OnboardingHostView.h"
#include "permissions/PermissionManager.h"
#include "platform/DesktopEntryIndex.h"
#include "settings/MenuPicker.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace onboardingtest {

// Everything the onboarding screens are built with, as the shell builds it,
// over fakes of the desktop: an in-memory store, a login item, the real
// Linux probe table and accessibility trust over a fake accessibility bus
// (untrusted until asked), a notification centre over a fake server, and
// installed applications from desktop files in a temporary $XDG_DATA_HOME
// (Firefox ESR, Chromium and a text editor; no system folders).
struct Desktop {
    Desktop()
    {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_DIRS", (home.path() + u"/none").toUtf8());
        QDir().mkpath(home.path() + u"/applications");
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(QColor(0x2E, 0x8C, 0x5C));
        icon.save(iconPath());
        install("firefox-esr", "Name=Firefox ESR\nExec=firefox-esr %u\n");
        install("chromium", "Name=Chromium\nExec=chromium %U\n");
        install("org.example.Notes", "Name=Notes\nExec=notes\nIcon=" + iconPath().toUtf8() + '\n');
        // Untrusted, and nothing else on the bus to prove otherwise.
        bed.host.trusted = false;
        bed.host.reference.reset();
        bed.workspace.running.clear();
    }
    ~Desktop()
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    QString iconPath() const { return home.path() + u"/notes.png"; }
    QString desktopFile(const QString &id) const
    {
        return home.path() + u"/applications/" + id + u".desktop";
    }
    void install(const QString &id, const QByteArray &body) const
    {
        QFile file(desktopFile(id));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("[Desktop Entry]\nType=Application\n" + body) <= 0)
            qFatal("cannot write a desktop file");
    }

    // Built after the files: the index reads its folders once.
    platform::DesktopEntryIndex &index()
    {
        if (!m_index)
            m_index = std::make_unique<platform::DesktopEntryIndex>();
        return *m_index;
    }

    // Built over the index: each bridge bears the name of the browser
    // installed. The permission manager follows whether they can be read.
    halvex::BrowserProbeTable &probes()
    {
        if (!m_probes) {
            m_probes = std::make_unique<halvex::BrowserProbeTable>(
                halvex::makeLinuxProbeTable(bridges(), index()));
            permissions.followReadability(*m_probes);
        }
        return *m_probes;
    }

    halvex::OnboardingHostView::Services services()
    {
        return {store.persistence, permissions, loginItem, probes(),
                notifications,     index(),     theme,     translations};
    }

    // The desktop's settings program: every panel is there, and each one
    // opened is recorded.
    platform::DesktopSettings desktopSettings()
    {
        return platform::DesktopSettings(
            {QStringLiteral("GNOME")}, [](const QString &name) { return u"/usr/bin/" + name; },
            [this](const QString &, const QStringList &arguments) {
                openedSettings << arguments.join(u' ');
                return true;
            });
    }

    QTemporaryDir home;
    QStringList openedSettings;
    testing::StoreFixture store;
    testing::FakeLaunchAtLoginBackend loginItem;
    testing::AccessibilityTestbed bed;
    testing::FakeKeystrokeSending keys;
    halvex::AXURLReader reader{bed.host, bed.probe, bed.workspace};
    // When each process started, by identifier; unknown for any other.
    QHash<qint32, QDateTime> startTimes;
    halvex::AccessibilityBridgeServices bridges()
    {
        halvex::AccessibilityBridgeServices services{&bed.workspace, &keys,   &bed.host,
                                                     &bed.probe,     &reader, &store.scheduler};
        services.processStartTime = [this](qint32 pid) -> std::optional<QDateTime> {
            const auto started = startTimes.constFind(pid);
            return started == startTimes.cend() ? std::nullopt : std::optional(*started);
        };
        return services;
    }
    testing::FakeAutomationChecking checking;
    fennimar::AutomationProbe automation{bed.workspace, checking};
    halvex::PermissionManager permissions{
        halvex::PermissionManager::AccessibilityTrust::of(bed.probe), automation,
        // Which bridges are scripted does not hang on what is installed.
        halvex::PermissionManager::automationBrowserBundleIds(
            halvex::makeLinuxProbeTable(bridges(), platform::DesktopEntryIndex(QStringList()))),
        bed.defaults, desktopSettings(), store.scheduler};
    testing::FakeUserNotificationCenter notificationServer;
    fennimar::NotificationAuthorizationCenter notifications{makeNotificationConfiguration()};
    testing::FakeSystemAppearance appearance;
    halvex::ThemeController theme{appearance};
    halvex::TranslationLoader translations;

private:
    fennimar::NotificationAuthorizationCenter::Configuration makeNotificationConfiguration()
    {
        fennimar::NotificationAuthorizationCenter::Configuration configuration;
        configuration.probe =
            std::make_shared<fennimar::SystemNotificationAuthorizationProbe>(notificationServer);
        configuration.refreshNow = false;
        configuration.refreshOnForeground = false;
        configuration.scheduler = &store.scheduler;
        configuration.settings = desktopSettings();
        return configuration;
    }

    std::unique_ptr<platform::DesktopEntryIndex> m_index;
    std::unique_ptr<halvex::BrowserProbeTable> m_probes;
};

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

// Clicks the one widget of that name and type under `root`.
template <class Button = QAbstractButton> void click(QWidget *root, const QString &name)
{
    auto *button = root->findChild<Button *>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

} // namespace onboardingtest
