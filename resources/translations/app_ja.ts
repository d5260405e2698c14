<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex について</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex ヘルプ</translation></message>
</context>
</TS>
