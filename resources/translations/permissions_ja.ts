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
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>テスト</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>未テスト</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>テスト中…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>読み取り可</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>読み取り不可</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>未インストール</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex が %1 を確認するには許可が必要です</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>%1 はアクセシビリティがオンになる前に開かれたため、読み取れません。%1 を再起動してください。</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>修正</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>通知</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex はマイルストーンを通知でお祝いします。</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>ブラウザーごとのアクセス</translation></message>
</context>
</TS>
