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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n Tag, %1</numerusform><numerusform>%n Tage, %1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>Zurück</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>Tag null beginnt mit einem Namen.</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>Wähle die Website oder App, die du immer wieder öffnest, ohne es zu wollen. Halvex zählt die Tage, die du fernbleibst.</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>Mit einer Auswahl beginnen</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>1 Tag ohne Rückfall in %1 Serien</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%1 Tage ohne Rückfall in %2 Serien</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>Bearbeiten</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>Löschen</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>Tage</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>Pausiert, wieder aktiv in %1 Min.</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>Fortsetzen</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>Heute keine Minuten mehr</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>%1 von %2 Min. übrig</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>Noch %n Tag bis %1</numerusform><numerusform>Noch %n Tage bis %1</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>%1 bearbeiten</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>%1 für 1 Stunde pausieren</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>Mehr zu %1</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>%1 fortsetzen</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1 Tage · Bestwert %2 · Schnitt %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>Serie löschen</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>Bestwert</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>Schnitt</translation></message>
</context>
</TS>
