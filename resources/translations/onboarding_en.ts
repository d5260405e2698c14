<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>A calm pause. You can open it right away.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>A short countdown before you can open it.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>A countdown, then a written reason before you can open it.</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>New streak</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X (Twitter)</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>Step %1 of %2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>Back</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>Continue</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>Get started</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>Make it yours</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>What pulls you in the most?</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>Pick one to start with. You can add more streaks later.</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>A website</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>Enter a site like example.com, without http:// or a path.</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>An application</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>Choose app…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>Choose an application</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>How strict should it be?</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>Gentle</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>Firm</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>Brutal</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>You can change the mode of any streak later.</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>A few permissions</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>Milestones and the weekly summary arrive as notifications.</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>Allowed</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>Allow</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>Browsers</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>Finish</translation></message>
</context>
</TS>
