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
</context>
</TS>
