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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n day, %1</numerusform><numerusform>%n days, %1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>Back</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>Day zero starts with a name.</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>Start from a set</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>1 clean day across %1 streaks</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%1 clean days across %2 streaks</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>Edit</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>Delete</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>days</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>Paused, back on in %1 min</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>Resume</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>No minutes left today</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>%1 of %2 min left</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>%n more to %1 days</numerusform><numerusform>%n more to %1 days</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>Edit %1</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>Pause %1 for 1 hour</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>More for %1</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>Resume %1</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1 days · best %2 · avg %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>Delete streak</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>Best</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>Avg</translation></message>
</context>
</TS>
