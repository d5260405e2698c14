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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n día, %1</numerusform><numerusform>%n días, %1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>Atrás</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>El día cero empieza con un nombre.</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>Elige el sitio o la app que abres sin querer una y otra vez. Halvex cuenta los días que te mantienes alejado.</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>Empezar con un conjunto</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>1 día limpio en %1 rachas</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%1 días limpios en %2 rachas</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>Editar</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>Eliminar</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>días</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>En pausa, vuelve en %1 min</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>Reanudar</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>No quedan minutos hoy</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>Quedan %1 de %2 min</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>%n más hasta %1 días</numerusform><numerusform>%n más hasta %1 días</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>Editar %1</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>Pausar %1 durante 1 hora</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>Más opciones de %1</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>Reanudar %1</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1 días · récord %2 · media %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>Eliminar racha</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>Récord</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>Media</translation></message>
</context>
</TS>
