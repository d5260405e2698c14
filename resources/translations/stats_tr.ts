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
</context>
</TS>
