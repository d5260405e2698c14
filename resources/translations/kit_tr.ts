<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="kit.launchAtLogin.requiresApproval">
        <source>Open your desktop's Startup Applications settings to enable launch at login.</source>
        <translation>Oturum açılışında başlatmayı etkinleştirmek için masaüstünün Başlangıç Uygulamaları ayarlarını aç.</translation>
    </message>
    <message id="kit.launchAtLogin.notFound">
        <source>The app's program file could not be found. Reinstall the app to launch it at login.</source>
        <translation>Uygulamanın program dosyası bulunamadı. Oturum açılışında başlatmak için uygulamayı yeniden yükle.</translation>
    </message>
</context>
</TS>
