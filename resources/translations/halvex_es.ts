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
</context>
</TS>
