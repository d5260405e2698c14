<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>Kaffee spendieren</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>Mitteilungston</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>Bei Meilenstein-Mitteilungen einen Ton abspielen.</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>Wochenrückblick</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>Eine Notiz am Sonntagabend über deine längste Serie und alles, dem du widerstanden hast.</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>Sprache</translation>
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
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>Einstellungen für Autostart-Anwendungen öffnen …</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>Ob Halvex bei der Anmeldung öffnet, ließ sich nicht ändern.</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>Erlaube Halvex in den Autostart-Einstellungen deiner Arbeitsumgebung, um das Einschalten abzuschließen.</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Mit Sorgfalt gemacht von Fennimar.</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>Softwareupdates</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>Prüfe, ob eine neuere Version erschienen ist.</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 ist die neueste Version.</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>Version %1 ist verfügbar.</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>Updates ließen sich nicht prüfen. Neue Versionen bringt deine Paketverwaltung.</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>Installieren</translation>
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
        <translation>Datenschutzerklärung</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>Support per E-Mail (%1)</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>Kaffee spendieren</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. Alle Rechte vorbehalten.</translation>
    </message>
</context>
</TS>
