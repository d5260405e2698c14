<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>Suave</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>Firme</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>Implacable</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>Rigor</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>Horario activo</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>Bloquear solo en estas horas y estos días.</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>Desde</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>Hasta</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>Pasa de la medianoche al día siguiente.</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>Días</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>Margen diario</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>Minutos al día que puedes pasar allí sin el panel.</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 min</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>Aplicaciones</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>Elegir apps</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>Quitar</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>Elegir aplicaciones</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>Buscar</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>No se encontraron aplicaciones</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>Cancelar</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>Sitios web</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>Añade una ruta para bloquear solo una parte de un sitio, como reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>No es un sitio, así que no bloquea nada. Escribe uno como example.com o reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Añadir sitio</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Añadir un grupo</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Quitar</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Redes sociales</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Vídeo</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Noticias</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Compras</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Juegos</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Editar sitios</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>Nueva racha</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>Bloquea</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>Sitios</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>Apps</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>Nombre</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>p. ej., Redes sociales</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>Pase libre diario</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>Abre un destino bloqueado una vez al día sin romper la racha.</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>Enlaces de otras apps</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>Un enlace abierto desde otra app puede pasar sin romper la racha.</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>Avisos de hitos</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>Un aviso cuando la racha llega a 7, 14, 30 días y más.</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>Ponle un nombre a la racha.</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>Añade al menos un sitio o una app que bloquear.</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>Una entrada de la lista no es un sitio y no bloquearía nada. Corrígela o quítala.</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>Puedes tener hasta 5 rachas. Elimina una para empezar otra.</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>No se pudo guardar la racha. Vuelve a intentarlo.</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>Cancelar</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>Guardar</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>días</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>Racha</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>Bloquea</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>Rachas rotas</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>Aún no hay rachas rotas.</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>Cerrar</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>Esta racha ya no existe.</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>Eliminar racha</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>Esta racha lleva %n día. Si la eliminas, se acaba para siempre.</numerusform><numerusform>Esta racha lleva %n días. Si la eliminas, se acaba para siempre.</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>Su historial se elimina con ella: rachas rotas, activaciones, excepciones y uso.</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>Cancelar</translation></message>
</context>
</TS>
