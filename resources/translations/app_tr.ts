<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex Hakkında</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Yardımı</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Bir hafta dayandın</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>İki hafta dayandın</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 gün dayandın</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 gün dayandın</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 gün dayandın</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Yarım yıl dayandın</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Koca bir yıl dayandın</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 yeni bir kilometre taşına ulaştı. Böyle devam!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Serilerinle geçen haftan</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n gün</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>En çok direndiğin: %1 (%n kez geri çekildin)</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex veri deposunu açamadı</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 salt okunur, bu yüzden Halvex onu olduğu gibi bırakıyor. Kullanmak için yeniden yazılabilir yap ve Halvex’i yeniden başlat.</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>%1 açılamadı: %2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>Halvex sen çıkana kadar onsuz çalışıyor: bu oturumda kurduğun ya da olan hiçbir şey saklanmayacak.</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>Veri deposun %1 içinde, günlük yedekleri ise %2 içinde.</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>En yeni yedek %1.</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>Halvex burada yalnızca bazı pencereleri görüyor</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>Bu bir Wayland oturumu: Halvex yalnızca XWayland altında çalışan uygulamaların pencerelerini görür, bu yüzden yerel Wayland uygulamaları paneli hiç açmaz. Bir X11 oturumunda Halvex her pencereyi görür.</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>Klasörü göster</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Halvex’ten çık</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>Kaydetmeden devam et</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>Devam</translation></message>
</context>
</TS>
