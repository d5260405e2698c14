<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>Estadísticas</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>Ajustes</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Salir de Halvex</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ Nueva racha</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n sitio</numerusform><numerusform>%n sitios</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>entre semana</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>fines de semana</translation></message>
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex: ninguna racha activa</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n día, %1</numerusform><numerusform>%n días, %1</numerusform></translation></message>
</context>
</TS>
