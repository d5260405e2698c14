<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 はアクセシビリティがオンになる前に開かれたため、Halvex はそのページを読み取れません。%1 を終了して、もう一度開いてください。</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>未設定</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>許可済み</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>許可されていません</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>設定を開く</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>アクセシビリティ</translation></message>
</context>
</TS>
