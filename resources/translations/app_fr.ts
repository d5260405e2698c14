<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>À propos de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Aide de Halvex</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Une semaine tenue</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Deux semaines tenues</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 jours tenus</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 jours tenus</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 jours tenus</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Six mois tenus</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Une année entière tenue</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 a atteint un nouveau palier. Continue !</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Ta semaine en séries</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1 : %n jour</numerusform><numerusform>%1 : %n jours</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>La plus tenue : %1 (%n retour en arrière)</numerusform><numerusform>La plus tenue : %1 (%n retours en arrière)</numerusform></translation></message>
</context>
</TS>
