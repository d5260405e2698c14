<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>İstatistikler</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>Ayarlar</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Halvex’ten çık</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ Yeni seri</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n site</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>hafta içi</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>hafta sonu</translation></message>
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex - etkin seri yok</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n gün, %1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>Geri</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>Sıfırıncı gün bir isimle başlar.</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>İstemeden açıp durduğun siteyi ya da uygulamayı seç. Halvex uzak durduğun günleri sayar.</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>Bir setle başla</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>%1 seride toplam 1 temiz gün</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%2 seride toplam %1 temiz gün</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>Düzenle</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>Sil</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>gün</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>Duraklatıldı, %1 dk sonra yeniden açık</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>Sürdür</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>Bugün dakika kalmadı</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>%2 dakikadan %1 dk kaldı</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>%1 güne %n kaldı</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>%1 düzenle</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>%1 serisini 1 saat duraklat</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>%1 için diğer seçenekler</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>%1 serisini sürdür</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1 gün · en iyi %2 · ort. %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>Seriyi sil</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>En iyi</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>Ort.</translation></message>
</context>
</TS>
