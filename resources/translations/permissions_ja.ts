<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 はアクセシビリティがオンになる前に開かれたため、Halvex はそのページを読み取れません。%1 を終了して、もう一度開いてください。</translation></message>
</context>
</TS>
