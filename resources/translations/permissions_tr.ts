<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1, erişilebilirlik açılmadan önce başlatıldığı için Halvex sayfalarını okuyamıyor. %1 uygulamasından çık ve yeniden aç.</translation></message>
    <message id="settings.permissions.status.notEnabled"><source>Not enabled</source><translation>Etkin değil</translation></message>
    <message id="settings.permissions.status.granted"><source>Allowed</source><translation>İzin verildi</translation></message>
    <message id="settings.permissions.status.denied"><source>Not allowed</source><translation>İzin verilmedi</translation></message>
    <message id="settings.permissions.fix"><source>Open settings</source><translation>Ayarları aç</translation></message>
    <message id="settings.permissions.accessibility.name"><source>Accessibility</source><translation>Erişilebilirlik</translation></message>
    <message id="onboarding.automation.testConnection"><source>Test</source><translation>Dene</translation></message>
    <message id="onboarding.automation.status.notTested"><source>Not tested</source><translation>Denenmedi</translation></message>
    <message id="onboarding.automation.testing"><source>Testing…</source><translation>Deneniyor…</translation></message>
    <message id="onboarding.automation.status.granted"><source>Can read</source><translation>Okunabiliyor</translation></message>
    <message id="onboarding.automation.status.denied"><source>Cannot read</source><translation>Okunamıyor</translation></message>
    <message id="onboarding.automation.status.notInstalled"><source>Not installed</source><translation>Yüklü değil</translation></message>
    <message id="permissionError.banner.automation"><source>Halvex needs permission to see %1</source><translation>Halvex’in %1 tarayıcısını görebilmesi için izin gerekiyor</translation></message>
    <message id="permissionError.banner.restartBrowser"><source>Halvex cannot read %1: it was opened before accessibility was on. Quit %1 and open it again.</source><translation>%1, erişilebilirlik açılmadan önce başlatıldığı için okunamıyor. %1 tarayıcısını yeniden başlat.</translation></message>
    <message id="permissionError.banner.action.fix"><source>Fix</source><translation>Düzelt</translation></message>
    <message id="settings.permissions.notifications.name"><source>Notifications</source><translation>Bildirimler</translation></message>
    <message id="settings.permissions.notifications.detail"><source>Halvex celebrates your milestones with a notification.</source><translation>Halvex, kilometre taşlarınızı bir bildirimle kutlar.</translation></message>
    <message id="settings.permissions.browsers.title"><source>Per-browser access</source><translation>Tarayıcı başına erişim</translation></message>
</context>
</TS>
