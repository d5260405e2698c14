<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>À propos de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Aide de Halvex</translation></message>
</context>
</TS>
