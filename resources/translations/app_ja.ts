<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex について</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex ヘルプ</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>1週間達成</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>2週間達成</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30日達成</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60日達成</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90日達成</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>半年達成</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>1年達成</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 が新しい節目に到達しました。この調子で！</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>今週の記録</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1：%n日</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>いちばん踏みとどまった記録：%1（%n回引き返しました）</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex がデータストアを開けませんでした</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 は読み取り専用のため、Halvex はそのままにしておきます。使うには書き込み可能に戻してから Halvex を起動し直してください。</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>%1 を開けませんでした：%2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>終了するまで Halvex はこれを使わずに動作します。この間に設定した内容や記録はどれも保存されません。</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>データストアは %1 に、毎日のバックアップは %2 にあります。</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>最新のバックアップは %1 です。</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>ここでは Halvex に見えるウィンドウが限られます</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>これは Wayland セッションです。Halvex に見えるのは XWayland 上で動くアプリのウィンドウだけなので、Wayland ネイティブのアプリではパネルが表示されません。X11 セッションでは Halvex はすべてのウィンドウを見られます。</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>フォルダを表示</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Halvex を終了</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>保存せずに続ける</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>続ける</translation></message>
</context>
</TS>
