<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Trotzdem verbrachte Zeit</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Heute</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Letzte 7 Tage</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Für diesen Zeitraum wurde noch keine Nutzung erfasst.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Am Panel vorbei</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Im Tageskontingent</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 Besuch</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 Besuche</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2min</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 min</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 bei %2 heute</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 bei %2 in den letzten 7 Tagen</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Möchtest du diese Serie verschärfen?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Serie verschärfen</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Jetzt nicht</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>Statistik</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>Noch nichts zu sehen. Komm morgen wieder.</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>Seit %1</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>Saubere Tage insgesamt</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>Längste Serie</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>Diese Woche zurückgegangen</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>Aktive Serien</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>Nächster Meilenstein: %1 erreicht am %3 %2 Tage.</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>pausiert</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>Wann der Drang kommt</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>Letzte 30 Tage, %1 Panels</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>Letzte 30 Tage, 1 Panel</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>Noch keine Auslöser.</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>%1 ist deine schwerste Stunde.</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1: %2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>Was du dem Panel gesagt hast</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>Antworten auf „Warum bist du hier?“</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>Noch keine Antworten.</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>„%1“</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Halvex bewerten</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>Gefällt dir Halvex?</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>Deine Bewertung erreicht die Menschen hinter Halvex – und erst, wenn du auf „Senden“ drückst.</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>Dein Name (optional)</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>Was gefällt dir? Was könnte besser sein? (optional)</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>Deine Bewertung konnte nicht gesendet werden. Prüfe deine Verbindung und versuche es erneut.</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>Nicht jetzt</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>Senden</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>Wird gesendet…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>Danke!</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>Deine Bewertung hilft, Halvex für alle besser zu machen, die es nutzen.</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>Schließen</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>%n Stern</numerusform><numerusform>%n Sterne</numerusform></translation></message>
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>%n sauberer Tag insgesamt</numerusform><numerusform>%n saubere Tage insgesamt</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>Längste Serie: %n Tag</numerusform><numerusform>Längste Serie: %n Tage</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>Diese Woche %n-mal zurückgegangen</numerusform><numerusform>Diese Woche %n-mal zurückgegangen</numerusform></translation></message>
</context>
</TS>
