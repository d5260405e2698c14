<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>それでも費やした時間</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>今日</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>過去7日間</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>この期間の利用記録はまだありません。</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>パネルを越えて</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>1日の許容時間内</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1回の訪問</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1回の訪問</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1時間%2分</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1分</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1秒</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>今日 %2 で %1</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>過去7日間に %2 で %1</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>この記録のルールを厳しくしますか？</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>ルールを厳しくする</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>今はしない</translation></message>
    <message id="review_prompt.window_title"><source>Rate Halvex</source><translation>Halvexを評価</translation></message>
    <message id="review_prompt.title"><source>Enjoying Halvex?</source><translation>Halvexを気に入っていただけましたか？</translation></message>
    <message id="review_prompt.subtitle"><source>Your rating reaches the people who make Halvex, and only when you press Send.</source><translation>評価は「送信」を押したときだけ、Halvexの開発者に届きます。</translation></message>
    <message id="review_prompt.name.placeholder"><source>Your name (optional)</source><translation>お名前（任意）</translation></message>
    <message id="review_prompt.comment.placeholder"><source>What works for you? What could be better? (optional)</source><translation>気に入っている点や、改善してほしい点は？（任意）</translation></message>
    <message id="review_prompt.error"><source>Couldn't send your review. Check your connection and try again.</source><translation>レビューを送信できませんでした。接続を確認して、もう一度お試しください。</translation></message>
    <message id="review_prompt.not_now"><source>Not now</source><translation>今はしない</translation></message>
    <message id="review_prompt.send"><source>Send</source><translation>送信</translation></message>
    <message id="review_prompt.sending"><source>Sending…</source><translation>送信中…</translation></message>
    <message id="review_prompt.thanks.title"><source>Thank you!</source><translation>ありがとうございます！</translation></message>
    <message id="review_prompt.thanks.body"><source>Your review helps Halvex get better for everyone who uses it.</source><translation>いただいたレビューは、Halvexをより良くするために役立てられます。</translation></message>
    <message id="review_prompt.close"><source>Close</source><translation>閉じる</translation></message>
    <message id="review_prompt.star.a11y" numerus="yes"><source>%n stars</source><translation><numerusform>星%n個</numerusform></translation></message>
</context>
</TS>
