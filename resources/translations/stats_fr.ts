<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Temps passé malgré tout</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>7 derniers jours</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Aucune utilisation enregistrée pour cette période.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Malgré le panneau</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Dans le quota du jour</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 visite</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 visites</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2min</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 min</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 sur %2 aujourd’hui</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 sur %2 ces 7 derniers jours</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Renforcer cette série ?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Renforcer la série</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Pas maintenant</translation></message>
</context>
</TS>
