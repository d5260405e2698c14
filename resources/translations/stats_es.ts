<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Tiempo pasado de todos modos</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Hoy</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Últimos 7 días</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Aún no hay uso registrado en este periodo.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Tras el panel</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Dentro del margen diario</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 visita</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 visitas</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2min</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 min</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 en %2 hoy</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 en %2 en los últimos 7 días</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>¿Quieres endurecer esta racha?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Endurecer racha</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Ahora no</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>Estadísticas</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>Aún no hay nada que mostrar. Vuelve mañana.</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>Desde el %1</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>Días limpios en total</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>Racha más larga</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>Veces que volviste atrás esta semana</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>Rachas activas</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>Próximo hito: %1 llega a %2 días el %3.</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>en pausa</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>Cuándo llega el impulso</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>Últimos 30 días, %1 paneles</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>Últimos 30 días, 1 panel</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>Aún no hay activaciones.</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>Las %1 son tu hora más difícil.</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1: %2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>Lo que le dijiste al panel</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>Respuestas a «¿Por qué estás aquí?»</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>Aún no hay respuestas.</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>«%1»</translation></message>
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
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>%n día limpio en total</numerusform><numerusform>%n días limpios en total</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>Racha más larga: %n día</numerusform><numerusform>Racha más larga: %n días</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>Volviste atrás %n vez esta semana</numerusform><numerusform>Volviste atrás %n veces esta semana</numerusform></translation></message>
</context>
</TS>
