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
</context>
</TS>
