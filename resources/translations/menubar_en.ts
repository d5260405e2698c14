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
</context>
</TS>
