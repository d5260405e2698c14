<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>Statistik</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>Einstellungen</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Halvex beenden</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ Neue Serie</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n Website</numerusform><numerusform>%n Websites</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>werktags</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>am Wochenende</translation></message>
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex – keine aktive Serie</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n Tag, %1</numerusform><numerusform>%n Tage, %1</numerusform></translation></message>
</context>
</TS>
