<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Über Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex-Hilfe</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Eine Woche durchgehalten</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Zwei Wochen durchgehalten</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 Tage durchgehalten</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 Tage durchgehalten</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 Tage durchgehalten</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Ein halbes Jahr durchgehalten</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Ein ganzes Jahr durchgehalten</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 hat einen neuen Meilenstein erreicht. Weiter so!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Deine Woche in Serien</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n Tag</numerusform><numerusform>%1: %n Tage</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Am häufigsten widerstanden: %1 (%n-mal zurückgegangen)</numerusform><numerusform>Am häufigsten widerstanden: %1 (%n-mal zurückgegangen)</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex konnte seinen Speicher nicht öffnen</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 ist schreibgeschützt, daher lässt Halvex die Datei, wie sie ist. Mach sie wieder beschreibbar und starte Halvex neu, um sie zu nutzen.</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>%1 konnte nicht geöffnet werden: %2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>Halvex läuft ohne ihn, bis du es beendest: Nichts, was du einrichtest oder was in dieser Sitzung geschieht, bleibt erhalten.</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>Dein Speicher liegt in %1, seine täglichen Sicherungen liegen in %2.</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>Die neueste Sicherung ist %1.</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>Halvex sieht hier nur manche Fenster</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>Dies ist eine Wayland-Sitzung: Halvex sieht nur die Fenster von Apps, die unter XWayland laufen, daher rufen native Wayland-Apps nie ein Panel hervor. In einer X11-Sitzung sieht Halvex jedes Fenster.</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>Ordner zeigen</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Halvex beenden</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>Ohne Speichern fortfahren</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>Weiter</translation></message>
</context>
</TS>
