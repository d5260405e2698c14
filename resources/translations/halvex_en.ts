<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Couldn't step back. Please close it yourself.</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>day without %2</numerusform>
            <numerusform>days without %2</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>Today's %1‑minute allowance is used up.</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>Why are you here?</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>Step back</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>Open anyway</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>Open anyway (your %n‑day streak resets)</numerusform>
            <numerusform>Open anyway (your %n‑day streak resets)</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>Open anyway in %1 s</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>More options</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>Pause for an hour</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>Use today's free pass</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>Open without counting</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>Break your %n‑day streak?</numerusform>
            <numerusform>Break your %n‑day streak?</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>Wait %1 s before you can open it.</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>Write down why you are breaking it, in at least 40 characters.</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>Characters still needed: %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>That's enough.</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>Keep my streak</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>Streak reset. It starts again from zero.</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n day</numerusform><numerusform>%n days</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%n day without %1</numerusform><numerusform>%n days without %1</numerusform></translation></message>
</context>
</TS>
