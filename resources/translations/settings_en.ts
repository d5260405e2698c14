<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>Buy me a coffee</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>Notification sound</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>Play a sound with milestone notifications.</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>Weekly recap</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>A Sunday evening note about your longest streak and what you resisted.</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="settings.appearance.language.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.appearance.language.english">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="settings.appearance.language.turkish">
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message id="settings.appearance.language.german">
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message id="settings.appearance.language.spanish">
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message id="settings.appearance.language.french">
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message id="settings.appearance.language.japanese">
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message id="settings.general.loginItem">
        <source>Open at login</source>
        <translation>Open at login</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>Open Startup Applications settings…</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>Couldn't change whether Halvex opens at login.</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Made with care by Fennimar.</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>Software updates</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>See whether a newer version is out.</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 is the newest version.</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>Version %1 is available.</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>Couldn't check for updates. Your package manager brings new versions.</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>Check now</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message id="settings.about.links_heading">
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message id="settings.about.website">
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message id="settings.about.privacy">
        <source>Privacy policy</source>
        <translation>Privacy policy</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>Terms of service</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>Email support (%1)</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>Send feedback</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>Buy me a coffee</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>More apps</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. All rights reserved.</translation>
    </message>
</context>
</TS>
