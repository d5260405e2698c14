<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>Statistiques</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>Réglages</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Quitter Halvex</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ Nouvelle série</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n site</numerusform><numerusform>%n sites</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>en semaine</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>le week-end</translation></message>
</context>
</TS>
