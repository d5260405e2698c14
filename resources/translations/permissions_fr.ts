<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 a été ouvert avant l'activation de l'accessibilité, Halvex ne peut donc pas lire ses pages. Quitte %1 et rouvre-le.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>Non activé</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>Autorisé</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>Non autorisé</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Ouvrir les réglages</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Accessibilité</translation></message>
</context>
</TS>
