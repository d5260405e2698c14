<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex について</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex ヘルプ</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>1週間達成</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>2週間達成</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30日達成</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60日達成</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90日達成</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>半年達成</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>1年達成</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 が新しい節目に到達しました。この調子で！</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>今週の記録</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1：%n日</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>いちばん踏みとどまった記録：%1（%n回引き返しました）</numerusform></translation></message>
</context>
</TS>
