<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>Not enabled</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>Allowed</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>Not allowed</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Open settings</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Accessibility</translation></message>
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>Test</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>Not tested</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>Testing…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>Can read</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>Cannot read</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>Not installed</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex needs permission to see %1</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>Fix</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex celebrates your milestones with a notification.</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>Per-browser access</translation></message>
</context>
</TS>
