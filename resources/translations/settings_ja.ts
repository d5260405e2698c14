<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>権限</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>このアプリについて</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>コーヒーをおごる</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>通知サウンド</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>節目の通知でサウンドを鳴らします。</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>週間まとめ</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>日曜の夕方に、最長の連続記録と我慢できたことをお知らせします。</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="settings.appearance.language.system">
        <source>System</source>
        <translation>システム</translation>
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
        <translation>ログイン時に開く</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>自動起動アプリケーションの設定を開く…</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>ログイン時に Halvex を開く設定を変更できませんでした。</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>有効にするには、デスクトップの自動起動アプリケーションの設定で Halvex を許可してください。</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Fennimar が心を込めて作りました。</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>新しいバージョンが出ているか確認します。</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 は最新バージョンです。</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>バージョン %1 が利用できます。</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>アップデートを確認できませんでした。新しいバージョンはパッケージマネージャーから届きます。</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message id="settings.about.links_heading">
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message id="settings.about.website">
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message id="settings.about.privacy">
        <source>Privacy policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>利用規約</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>メールサポート（%1）</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>フィードバックを送る</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>コーヒーをおごる</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>その他のアプリ</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. 無断転載を禁じます。</translation>
    </message>
</context>
</TS>
