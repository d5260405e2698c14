<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 wurde geöffnet, bevor die Barrierefreiheit eingeschaltet war, deshalb kann Halvex seine Seiten nicht lesen. Beende %1 und öffne es erneut.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>Nicht aktiviert</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>Erlaubt</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>Nicht erlaubt</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Einstellungen öffnen</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Barrierefreiheit</translation></message>
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>Testen</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>Nicht getestet</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>Wird getestet…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>Lesbar</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>Nicht lesbar</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>Nicht installiert</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex braucht eine Berechtigung, um %1 zu sehen</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>Halvex kann %1 nicht lesen: Es lief schon vor dem Einschalten der Barrierefreiheit. Starte %1 neu.</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>Beheben</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>Mitteilungen</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex feiert deine Meilensteine mit einer Mitteilung.</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>Zugriff pro Browser</translation></message>
</context>
</TS>
