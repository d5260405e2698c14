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
</context>
</TS>
