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
</context>
</TS>
