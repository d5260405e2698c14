<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>Statistics</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>Settings</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Quit Halvex</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ New streak</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n site</numerusform><numerusform>%n sites</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>weekdays</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>weekends</translation></message>
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex - no active streak</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n day, %1</numerusform><numerusform>%n days, %1</numerusform></translation></message>
</context>
</TS>
