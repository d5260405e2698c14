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
</context>
</TS>
