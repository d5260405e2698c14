<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Yine de geçen süre</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Bugün</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Son 7 gün</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Bu aralık için henüz kullanım kaydedilmedi.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Panele rağmen</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Günlük hak içinde</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 ziyaret</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 ziyaret</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1 sa %2 dk</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 dk</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 sn</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>Bugün %2 için %1</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>Son 7 günde %2 için %1</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Bu seriyi sıkılaştırmak ister misin?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Seriyi sıkılaştır</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Şimdi değil</translation></message>
</context>
</TS>
