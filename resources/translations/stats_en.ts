<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Time spent anyway</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Today</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Last 7 days</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>No usage tracked yet for this range.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Past the panel</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Within the daily allowance</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 visit</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 visits</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1h %2m</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1m</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1s</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>%1 on %2 today</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>%1 on %2 in the last 7 days</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Want to tighten this streak?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Tighten streak</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Not now</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>Stats</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>Nothing to show yet. Come back tomorrow.</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>Since %1</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>Total clean days</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>Longest streak</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>Stepped back this week</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>Active streaks</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>Next milestone: %1 reaches %2 days on %3.</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>paused</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>When the urge hits</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>Last 30 days, %1 panels</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>Last 30 days, 1 panel</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>No trigger events yet.</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>%1 is your hardest hour.</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1: %2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>What you told the panel</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>Answers to "Why are you here?"</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>No answers yet.</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>“%1”</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Rate Halvex</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>Enjoying Halvex?</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>Your rating reaches the people who make Halvex, and only when you press Send.</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>Your name (optional)</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>What works for you? What could be better? (optional)</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>Couldn't send your review. Check your connection and try again.</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>Not now</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>Send</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>Sending…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>Thank you!</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>Your review helps Halvex get better for everyone who uses it.</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>Close</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>%n star</numerusform><numerusform>%n stars</numerusform></translation></message>
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>%n clean day in total</numerusform><numerusform>%n clean days in total</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>Longest streak: %n day</numerusform><numerusform>Longest streak: %n days</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>Stepped back %n time this week</numerusform><numerusform>Stepped back %n times this week</numerusform></translation></message>
</context>
</TS>
