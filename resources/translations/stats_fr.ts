<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Temps passé malgré tout</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>7 derniers jours</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Aucune utilisation enregistrée pour cette période.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Malgré le panneau</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Dans le quota du jour</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 visite</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 visites</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2min</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 min</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 sur %2 aujourd’hui</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 sur %2 ces 7 derniers jours</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Renforcer cette série ?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Renforcer la série</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Pas maintenant</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>Statistiques</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>Rien à afficher pour l’instant. Revenez demain.</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>Depuis le %1</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>Total des jours tenus</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>Plus longue série</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>Retours en arrière cette semaine</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>Séries actives</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>Prochaine étape : %1 atteindra %2 jours le %3.</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>en pause</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>Quand l’envie frappe</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>30 derniers jours, %1 panneaux</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>30 derniers jours, 1 panneau</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>Aucun déclenchement pour l’instant.</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>%1 est votre heure la plus difficile.</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1 : %2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>Ce que vous avez dit au panneau</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>Réponses à « Pourquoi êtes-vous ici ? »</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>Aucune réponse pour l’instant.</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>« %1 »</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Noter Halvex</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>Vous aimez Halvex ?</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>Votre note parvient à celles et ceux qui font Halvex, et seulement quand vous appuyez sur Envoyer.</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>Votre nom (facultatif)</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>Qu’est-ce qui vous plaît ? Qu’est-ce qui pourrait être mieux ? (facultatif)</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>Impossible d’envoyer votre avis. Vérifiez votre connexion et réessayez.</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>Pas maintenant</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>Envoyer</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>Envoi…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>Merci !</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>Votre avis aide Halvex à s’améliorer pour tous ceux qui l’utilisent.</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>%n étoile</numerusform><numerusform>%n étoiles</numerusform></translation></message>
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>%n jour tenu au total</numerusform><numerusform>%n jours tenus au total</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>Plus longue série : %n jour</numerusform><numerusform>Plus longue série : %n jours</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>%n retour en arrière cette semaine</numerusform><numerusform>%n retours en arrière cette semaine</numerusform></translation></message>
</context>
</TS>
