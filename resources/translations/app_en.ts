<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>About Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Help</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>One week strong</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Two weeks strong</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 days strong</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 days strong</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 days strong</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Half a year strong</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>A whole year strong</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 reached a new milestone. Keep going!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Your week in streaks</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n day</numerusform><numerusform>%1: %n days</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Most resisted: %1 (%n step back)</numerusform><numerusform>Most resisted: %1 (%n steps back)</numerusform></translation></message>
</context>
</TS>
