<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Geri dönülemedi. Lütfen kendin kapat.</translation></message>
</context>
</TS>
