<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>About Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Help</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>One week strong</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Two weeks strong</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 days strong</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 days strong</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 days strong</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Half a year strong</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>A whole year strong</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 reached a new milestone. Keep going!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Your week in streaks</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n day</numerusform><numerusform>%1: %n days</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Most resisted: %1 (%n step back)</numerusform><numerusform>Most resisted: %1 (%n steps back)</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex could not open its store</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>%1 could not be opened: %2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>Your store is in %1, and its daily backups are in %2.</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>The newest backup is %1.</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>Halvex sees only some windows here</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>Show folder</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Quit Halvex</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>Continue without saving</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>Continue</translation></message>
</context>
</TS>
