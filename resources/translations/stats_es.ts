<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Tiempo pasado de todos modos</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Hoy</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Últimos 7 días</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Aún no hay uso registrado en este periodo.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Tras el panel</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Dentro del margen diario</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 visita</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 visitas</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2min</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 min</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 en %2 hoy</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 en %2 en los últimos 7 días</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>¿Quieres endurecer esta racha?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Endurecer racha</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Ahora no</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Valorar Halvex</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>¿Te gusta Halvex?</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>Tu valoración llega a quienes hacen Halvex, y solo cuando pulsas Enviar.</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>Tu nombre (opcional)</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>¿Qué te funciona? ¿Qué podría mejorar? (opcional)</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>No se pudo enviar tu reseña. Comprueba tu conexión e inténtalo de nuevo.</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>Ahora no</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>Enviar</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>Enviando…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>¡Gracias!</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>Tu reseña ayuda a que Halvex mejore para todos los que lo usan.</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>Cerrar</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>%n estrella</numerusform><numerusform>%n estrellas</numerusform></translation></message>
</context>
</TS>
