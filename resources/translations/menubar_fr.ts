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
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex – aucune série active</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n jour, %1</numerusform><numerusform>%n jours, %1</numerusform></translation></message>
</context>
</TS>
