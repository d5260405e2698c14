<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Acerca de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Ayuda de Halvex</translation></message>
</context>
</TS>
