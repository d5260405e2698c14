<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex Hakkında</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Yardımı</translation></message>
</context>
</TS>
