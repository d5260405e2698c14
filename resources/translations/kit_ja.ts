<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="kit.launchAtLogin.requiresApproval">
        <source>Open your desktop's Startup Applications settings to enable launch at login.</source>
        <translation>ログイン時に起動するには、デスクトップの「自動起動するアプリケーション」の設定を開いてください。</translation>
    </message>
    <message id="kit.launchAtLogin.notFound">
        <source>The app's program file could not be found. Reinstall the app to launch it at login.</source>
        <translation>アプリのプログラムファイルが見つかりません。ログイン時に起動するには、アプリを再インストールしてください。</translation>
    </message>
</context>
</TS>
