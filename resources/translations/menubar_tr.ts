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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n gün, %1</numerusform></translation></message>
</context>
</TS>
