<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>About Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Help</translation></message>
</context>
</TS>
