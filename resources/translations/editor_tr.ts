<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>Nazik</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>Kararlı</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>Acımasız</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>Katılık</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>Etkin saatler</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>Yalnızca bu saatlerde ve bu günlerde engelle.</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>Başlangıç</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>Bitiş</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>Gece yarısını aşıp ertesi güne uzanır.</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>Günler</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>Günlük izin</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>Panel çıkmadan orada geçirebileceğin günlük dakika.</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 dk</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>Uygulamalar</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>Uygulama seç</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>Kaldır</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>Uygulamaları seç</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>Ara</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>Uygulama bulunamadı</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>İptal</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>Web siteleri</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>Bir sitenin yalnızca bir bölümünü engellemek için yol ekle, örneğin reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>Bu bir site değil, hiçbir şeyi engellemez. example.com ya da reddit.com/r/all gibi bir site gir.</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Site ekle</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Hazır liste ekle</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Kaldır</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Sosyal medya</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Video</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Haberler</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Alışveriş</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Oyunlar</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Siteleri düzenle</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>Yeni seri</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>Engeller</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>Siteler</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>Uygulamalar</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>Ad</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>ör. Sosyal medya</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>Günlük serbest geçiş</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>Seriyi bozmadan engelli bir hedefi günde bir kez aç.</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>Diğer uygulamalardan bağlantılar</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>Başka bir uygulamadan açılan bağlantı seriyi bozmadan geçebilir.</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>Dönüm noktası bildirimleri</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>Seri 7, 14, 30 güne ve ötesine ulaştığında bir not.</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>Seriye bir ad ver.</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>Engellenecek en az bir site ya da uygulama ekle.</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>Listedeki bir girdi site değil ve hiçbir şeyi engellemez. Düzelt ya da kaldır.</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>En fazla 5 seri tutabilirsin. Yenisini başlatmak için birini sil.</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>Seri kaydedilemedi. Lütfen yeniden dene.</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>Vazgeç</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>Kaydet</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>gün</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>Seri</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>Engellenenler</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>Bozulan seriler</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>Henüz bozulan seri yok.</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>Bu seri artık yok.</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>Seriyi sil</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>Bu seri %n gündür sürüyor. Silmek onu kalıcı olarak bitirir.</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>Geçmişi de silinir: bozulan seriler, tetiklenmeler, istisnalar ve kullanım.</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>İptal</translation></message>
</context>
</TS>
