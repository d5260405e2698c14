<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>No se pudo volver atrás. Ciérralo tú mismo.</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>día sin %2</numerusform>
            <numerusform>días sin %2</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>Ya usaste tu margen de hoy de %1 min.</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>¿Por qué estás aquí?</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>Volver atrás</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>Abrir igualmente</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>Abrir igualmente (tu racha de %n día vuelve a cero)</numerusform>
            <numerusform>Abrir igualmente (tu racha de %n días vuelve a cero)</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>Abrir igualmente en %1 s</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>Más opciones</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>Pausar una hora</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>Usar el pase libre de hoy</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>Abrir sin contar</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>Cancelar</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>¿Romper tu racha de %n día?</numerusform>
            <numerusform>¿Romper tu racha de %n días?</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>Espera %1 s antes de poder abrirlo.</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>Escribe por qué la rompes, con al menos 40 caracteres.</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>Caracteres que faltan: %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>Es suficiente.</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>Mantener mi racha</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>Racha reiniciada. Empieza de nuevo desde cero.</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n día</numerusform><numerusform>%n días</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%n día sin %1</numerusform><numerusform>%n días sin %1</numerusform></translation></message>
</context>
</TS>
