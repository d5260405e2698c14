<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 se abrió antes de activar la accesibilidad, así que Halvex no puede leer sus páginas. Cierra %1 y vuelve a abrirlo.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>No activado</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>Permitido</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>No permitido</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Abrir ajustes</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Accesibilidad</translation></message>
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>Probar</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>Sin probar</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>Probando…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>Se puede leer</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>No se puede leer</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>No instalado</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex necesita permiso para ver %1</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>Halvex no puede leer %1: se abrió antes de activar la accesibilidad. Cierra %1 y vuelve a abrirlo.</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>Arreglar</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>Notificaciones</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex celebra tus hitos con una notificación.</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>Acceso por navegador</translation></message>
</context>
</TS>
