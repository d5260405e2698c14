<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Impossible de revenir en arrière. Ferme-le toi-même.</translation></message>
</context>
</TS>
