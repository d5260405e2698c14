<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>Yine de geçen süre</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>Bugün</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>Son 7 gün</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>Bu aralık için henüz kullanım kaydedilmedi.</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>Panele rağmen</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>Günlük hak içinde</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1 ziyaret</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1 ziyaret</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1 sa %2 dk</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1 dk</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1 sn</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>Bugün %2 için %1</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>Son 7 günde %2 için %1</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>Bu seriyi sıkılaştırmak ister misin?</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>Seriyi sıkılaştır</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>Şimdi değil</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>İstatistikler</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>Henüz gösterecek bir şey yok. Yarın tekrar gel.</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>%1 tarihinden beri</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>Toplam temiz gün</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>En uzun seri</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>Bu haftaki geri çekilmeler</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>Etkin seriler</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>Sonraki hedef: %1, %3 günü %2 güne ulaşacak.</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>duraklatıldı</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>Dürtü ne zaman geliyor</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>Son 30 gün, %1 panel</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>Son 30 gün, 1 panel</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>Henüz tetikleme yok.</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>%1 en zor saatin.</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1: %2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>Panele söylediklerin</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>“Neden buradasın?” sorusuna yanıtlar</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>Henüz yanıt yok.</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>“%1”</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Halvex'i değerlendir</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>Halvex'i beğendin mi?</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>Puanın Halvex'i yapanlara ulaşır, hem de yalnızca Gönder'e bastığında.</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>Adın (isteğe bağlı)</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>Neyi seviyorsun? Ne daha iyi olabilir? (isteğe bağlı)</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>Değerlendirmen gönderilemedi. Bağlantını kontrol edip yeniden dene.</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>Şimdi değil</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>Gönder</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>Gönderiliyor…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>Teşekkürler!</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>Değerlendirmen, Halvex'i kullanan herkes için daha iyi olmasına yardım ediyor.</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>%n yıldız</numerusform></translation></message>
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>Toplam %n temiz gün</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>En uzun seri: %n gün</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>Bu hafta %n kez geri çekildin</numerusform></translation></message>
</context>
</TS>
