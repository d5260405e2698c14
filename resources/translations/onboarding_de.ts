<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>Eine ruhige Pause. Du kannst es sofort öffnen.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>Ein kurzer Countdown, bevor du es öffnen kannst.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>Ein Countdown und dann eine schriftliche Begründung, bevor du es öffnen kannst.</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>Neue Serie</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X (Twitter)</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>Schritt %1 von %2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>Zurück</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>Weiter</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>Baue Serien fern von den Apps und Websites auf, die dich hineinziehen. Taucht eine davon auf, legt Halvex eine Pause dazwischen.</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>Los geht’s</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>Mach es zu deinem</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Wähle, wie Halvex aussieht und ob es beim Anmelden startet. Du kannst alles später in den Einstellungen ändern.</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>Was zieht dich am meisten hinein?</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>Wähle eins für den Anfang. Weitere Serien kannst du später hinzufügen.</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>Eine Website</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>Gib eine Website wie example.com ein, ohne http:// und ohne Pfad.</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>Eine App</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>App wählen…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>App auswählen</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>Wie streng soll es sein?</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>Sanft</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>Bestimmt</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>Brutal</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>Den Modus jeder Serie kannst du später ändern.</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>Ein paar Berechtigungen</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>Nichts wird von selbst angefragt. Erlaube, was du möchtest; du kannst auch ganz ohne abschließen.</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>Mitteilungen</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>Meilensteine und die Wochenübersicht kommen als Mitteilungen.</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>Damit sieht Halvex über die Barrierefreiheit des Desktops, welche Seite dein Browser zeigt.</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>Erlaubt</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>Erlauben</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>Browser</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>Um zu sehen, welche Website offen ist, liest Halvex die Adresse des Browsers über die Barrierefreiheit. Teste jeden Browser, den du nutzt.</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>Fertig</translation></message>
</context>
</TS>
