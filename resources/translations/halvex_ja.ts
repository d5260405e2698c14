<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>戻れませんでした。ご自身で閉じてください。</translation></message>
</context>
</TS>
