<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Zurückgehen hat nicht geklappt. Bitte schließe es selbst.</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>Tag ohne %2</numerusform>
            <numerusform>Tage ohne %2</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>Dein heutiges Kontingent von %1 Minuten ist aufgebraucht.</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>Warum bist du hier?</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>Zurückgehen</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>Trotzdem öffnen</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>Trotzdem öffnen (deine Serie von %n Tag beginnt von vorn)</numerusform>
            <numerusform>Trotzdem öffnen (deine Serie von %n Tagen beginnt von vorn)</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>In %1 s trotzdem öffnen</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>Weitere Optionen</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>Eine Stunde pausieren</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>Heutigen Freipass nutzen</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>Öffnen, ohne zu zählen</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>Abbrechen</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>Deine Serie von %n Tag brechen?</numerusform>
            <numerusform>Deine Serie von %n Tagen brechen?</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>Warte %1 s, bevor du es öffnen kannst.</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>Schreib auf, warum du sie brichst – mindestens 40 Zeichen.</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>Noch fehlende Zeichen: %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>Das reicht.</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>Serie behalten</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>Serie zurückgesetzt. Sie beginnt wieder bei null.</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n Tag</numerusform><numerusform>%n Tage</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%n Tag ohne %1</numerusform><numerusform>%n Tage ohne %1</numerusform></translation></message>
</context>
</TS>
