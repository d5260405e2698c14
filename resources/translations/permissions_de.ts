<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 wurde geöffnet, bevor die Barrierefreiheit eingeschaltet war, deshalb kann Halvex seine Seiten nicht lesen. Beende %1 und öffne es erneut.</translation></message>
</context>
</TS>
