<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>İzinler</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>Bana bir kahve ısmarla</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>Bildirim sesi</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>Dönüm noktası bildirimlerinde ses çal.</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>Haftalık özet</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>Pazar akşamı en uzun serin ve direndiklerin hakkında kısa bir not.</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message id="settings.appearance.language.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="settings.appearance.language.english">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="settings.appearance.language.turkish">
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message id="settings.appearance.language.german">
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message id="settings.appearance.language.spanish">
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message id="settings.appearance.language.french">
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message id="settings.appearance.language.japanese">
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message id="settings.general.loginItem">
        <source>Open at login</source>
        <translation>Oturum açılışında başlat</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>Başlangıç Uygulamaları ayarlarını aç…</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>Halvex’in oturum açılışında başlayıp başlamayacağı değiştirilemedi.</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>Bunu açmayı tamamlamak için masaüstünün Başlangıç Uygulamaları ayarlarında Halvex’e izin ver.</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Fennimar tarafından özenle yapıldı.</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>Yazılım güncellemeleri</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>Daha yeni bir sürüm çıkıp çıkmadığına bak.</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>Güncellemeler denetleniyor…</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 en yeni sürüm.</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>Sürüm %1 kullanılabilir.</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>Güncellemeler denetlenemedi. Yeni sürümleri paket yöneticin getirir.</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>Şimdi denetle</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message id="settings.about.links_heading">
        <source>Links</source>
        <translation>Bağlantılar</translation>
    </message>
    <message id="settings.about.website">
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message id="settings.about.privacy">
        <source>Privacy policy</source>
        <translation>Gizlilik politikası</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>Hizmet koşulları</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>Destek e-postası (%1)</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>Bana bir kahve ısmarla</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>Diğer uygulamalar</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. Tüm hakları saklıdır.</translation>
    </message>
</context>
</TS>
