<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Über Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex-Hilfe</translation></message>
</context>
</TS>
