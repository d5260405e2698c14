<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>Una pausa tranquila. Puedes abrirlo enseguida.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>Una breve cuenta atrás antes de poder abrirlo.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>Una cuenta atrás y luego un motivo por escrito antes de poder abrirlo.</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>Nueva racha</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X (Twitter)</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>Paso %1 de %2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>Atrás</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>Continuar</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>Crea rachas lejos de las apps y los sitios que te atrapan. Cuando aparece uno, Halvex pone una pausa en medio.</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>Empezar</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>Hazlo tuyo</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Elige cómo se ve Halvex y si se abre al iniciar sesión. Puedes cambiarlo todo más tarde en Ajustes.</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>¿Qué es lo que más te atrapa?</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>Elige uno para empezar. Podrás añadir más rachas después.</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>Un sitio web</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>Escribe un sitio como example.com, sin http:// ni ruta.</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>Una aplicación</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>Elegir app…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>Elige una aplicación</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>¿Qué tan estricto debe ser?</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>Suave</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>Firme</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>Implacable</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>Puedes cambiar el modo de cualquier racha más tarde.</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>Algunos permisos</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>No se pide nada por sí solo. Permite lo que quieras; puedes terminar sin nada de esto.</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>Notificaciones</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>Los hitos y el resumen semanal llegan como notificaciones.</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>Permite que Halvex vea qué página muestra tu navegador, mediante la accesibilidad del escritorio.</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>Permitido</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>Permitir</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>Navegadores</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>Para saber qué sitio está abierto, Halvex lee la dirección del navegador mediante la accesibilidad. Prueba cada navegador que uses.</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>Terminar</translation></message>
</context>
</TS>
