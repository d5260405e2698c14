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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n jour, %1</numerusform><numerusform>%n jours, %1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>Retour</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>Le jour zéro commence par un nom.</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>Choisissez le site ou l'app que vous ouvrez sans le vouloir. Halvex compte les jours où vous tenez bon.</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>Partir d'un ensemble</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>1 jour sans rechute sur %1 séries</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%1 jours sans rechute sur %2 séries</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>Modifier</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>Supprimer</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>jours</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>En pause, reprise dans %1 min</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>Reprendre</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>Plus de minutes aujourd'hui</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>%1 min restantes sur %2</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>Encore %n avant %1 jours</numerusform><numerusform>Encore %n avant %1 jours</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>Modifier %1</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>Mettre %1 en pause pendant 1 heure</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>Plus d'options pour %1</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>Reprendre %1</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1 jours · record %2 · moy. %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>Supprimer la série</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>Record</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>Moy.</translation></message>
</context>
</TS>
