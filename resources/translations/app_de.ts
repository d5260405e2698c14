<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Über Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex-Hilfe</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Eine Woche durchgehalten</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Zwei Wochen durchgehalten</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 Tage durchgehalten</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 Tage durchgehalten</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 Tage durchgehalten</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Ein halbes Jahr durchgehalten</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Ein ganzes Jahr durchgehalten</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 hat einen neuen Meilenstein erreicht. Weiter so!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Deine Woche in Serien</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n Tag</numerusform><numerusform>%1: %n Tage</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Am häufigsten widerstanden: %1 (%n-mal zurückgegangen)</numerusform><numerusform>Am häufigsten widerstanden: %1 (%n-mal zurückgegangen)</numerusform></translation></message>
</context>
</TS>
