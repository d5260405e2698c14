<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Impossible de revenir en arrière. Veuillez le fermer vous-même.</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>jour sans %2</numerusform>
            <numerusform>jours sans %2</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>Votre quota du jour de %1 min est épuisé.</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>Pourquoi êtes-vous ici ?</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>Revenir en arrière</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>Ouvrir quand même</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>Ouvrir quand même (votre série de %n jour repart à zéro)</numerusform>
            <numerusform>Ouvrir quand même (votre série de %n jours repart à zéro)</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>Ouvrir quand même dans %1 s</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>Plus d'options</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>Pause d'une heure</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>Utiliser le pass gratuit du jour</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>Ouvrir sans compter</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>Briser votre série de %n jour ?</numerusform>
            <numerusform>Briser votre série de %n jours ?</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>Attendez %1 s avant de pouvoir l'ouvrir.</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>Écrivez pourquoi vous la brisez, en 40 caractères au moins.</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>Caractères manquants : %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>C'est suffisant.</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>Garder ma série</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>Série réinitialisée. Elle repart de zéro.</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n jour</numerusform><numerusform>%n jours</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%n jour sans %1</numerusform><numerusform>%n jours sans %1</numerusform></translation></message>
</context>
</TS>
