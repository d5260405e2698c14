<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>Sakin bir duraklama. Hemen açabilirsin.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>Açabilmeden önce kısa bir geri sayım.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>Açabilmeden önce bir geri sayım, ardından yazılı bir gerekçe.</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>Yeni seri</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X (Twitter)</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>Adım %1 / %2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>Geri</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>Devam</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>Seni içine çeken uygulama ve sitelerden uzak serilerini oluştur. Biri karşına çıktığında Halvex araya bir duraklama koyar.</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>Başla</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>Sana göre ayarla</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Halvex’in görünümünü ve oturum açtığında açılıp açılmayacağını seç. Bunların hepsini daha sonra Ayarlar’dan değiştirebilirsin.</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>Seni en çok ne içine çekiyor?</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>Başlamak için birini seç. Daha sonra başka seriler ekleyebilirsin.</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>Bir web sitesi</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>example.com gibi bir site gir; http:// ya da yol olmadan.</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>Bir uygulama</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>Uygulama seç…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>Bir uygulama seç</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>Ne kadar katı olsun?</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>Nazik</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>Kararlı</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>Acımasız</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>Her serinin modunu daha sonra değiştirebilirsin.</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>Birkaç izin</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>Hiçbir şey kendiliğinden istenmez. İstediğine izin ver; hiçbirine izin vermeden de bitirebilirsin.</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>Bildirimler</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>Dönüm noktaları ve haftalık özet bildirim olarak gelir.</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>Halvex’in, masaüstünün erişilebilirlik desteği üzerinden tarayıcında hangi sayfanın açık olduğunu görmesini sağlar.</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>İzin verildi</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>İzin ver</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>Tarayıcılar</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>Hangi sitenin açık olduğunu görmek için Halvex tarayıcının adresini erişilebilirlik üzerinden okur. Kullandığın her tarayıcıyı dene.</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>Bitir</translation></message>
</context>
</TS>
