<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 a été ouvert avant l'activation de l'accessibilité, Halvex ne peut donc pas lire ses pages. Quittez %1 et rouvrez-le.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>Non activé</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>Autorisé</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>Non autorisé</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Ouvrir les réglages</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Accessibilité</translation></message>
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>Tester</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>Non testé</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>Test en cours…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>Lecture possible</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>Lecture impossible</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>Non installé</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex a besoin d’une autorisation pour voir %1</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>Halvex ne peut pas lire %1 : il a été ouvert avant l’activation de l’accessibilité. Relancez %1.</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>Corriger</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex célèbre vos étapes avec une notification.</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>Accès par navigateur</translation></message>
</context>
</TS>
