<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>Une pause au calme. Vous pouvez l’ouvrir tout de suite.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>Un court compte à rebours avant de pouvoir l’ouvrir.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>Un compte à rebours, puis une raison écrite avant de pouvoir l’ouvrir.</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>Nouvelle série</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X (Twitter)</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>Étape %1 sur %2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>Retour</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>Continuer</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>Construisez des séries loin des apps et des sites qui vous happent. Quand l'un d'eux apparaît, Halvex marque une pause.</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>Commencer</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>Personnalisez</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Choisissez l’apparence de Halvex et s’il s’ouvre à la connexion. Vous pourrez tout changer plus tard dans les Réglages.</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>Qu’est-ce qui vous happe le plus ?</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>Choisissez-en un pour commencer. Vous pourrez ajouter d’autres séries plus tard.</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>Un site web</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>Saisissez un site comme example.com, sans http:// ni chemin.</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>Une application</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>Choisir une app…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>Choisissez une application</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>Quel niveau de fermeté ?</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>Doux</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>Ferme</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>Impitoyable</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>Vous pourrez changer le mode de chaque série plus tard.</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>Quelques autorisations</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>Rien n’est demandé d’office. Autorisez ce que vous voulez ; vous pouvez terminer sans rien de tout cela.</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>Les étapes clés et le bilan de la semaine arrivent en notifications.</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>Permet à Halvex de voir quelle page affiche votre navigateur, grâce à l’accessibilité du bureau.</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>Autorisé</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>Autoriser</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>Navigateurs</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>Pour savoir quel site est ouvert, Halvex lit l’adresse du navigateur via l’accessibilité. Testez chaque navigateur que vous utilisez.</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>Terminer</translation></message>
</context>
</TS>
