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
</context>
</TS>
