<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Acerca de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Ayuda de Halvex</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Una semana lograda</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Dos semanas logradas</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 días logrados</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 días logrados</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 días logrados</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Medio año logrado</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Un año entero logrado</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 ha alcanzado un nuevo hito. ¡Sigue así!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Tu semana en rachas</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n día</numerusform><numerusform>%1: %n días</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Más resistida: %1 (volviste atrás %n vez)</numerusform><numerusform>Más resistida: %1 (volviste atrás %n veces)</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex no pudo abrir su almacén</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 es de solo lectura, así que Halvex lo deja como está. Vuelve a permitir la escritura e inicia Halvex de nuevo para usarlo.</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>No se pudo abrir %1: %2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>Halvex funciona sin él hasta que salgas: no se guardará nada de lo que configures ni de lo que ocurra en esta sesión.</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>Tu almacén está en %1 y sus copias de seguridad diarias en %2.</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>La copia de seguridad más reciente es %1.</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>Aquí Halvex solo ve algunas ventanas</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>Esta es una sesión de Wayland: Halvex solo ve las ventanas de las aplicaciones que se ejecutan en XWayland, así que las aplicaciones nativas de Wayland nunca hacen aparecer el panel. En una sesión X11, Halvex ve todas las ventanas.</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>Mostrar carpeta</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Salir de Halvex</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>Continuar sin guardar</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>Continuar</translation></message>
</context>
</TS>
