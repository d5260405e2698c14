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
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 dk</translation></message>
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
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Site ekle</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Hazır liste ekle</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Kaldır</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Sosyal medya</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Video</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Haberler</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Alışveriş</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Oyunlar</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Siteleri düzenle</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>gün</translation></message>
</context>
</TS>
