<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="usage.section.title"><source>Time spent anyway</source><translation>それでも費やした時間</translation></message>
    <message id="usage.range.today"><source>Today</source><translation>今日</translation></message>
    <message id="usage.range.sevenDays"><source>Last 7 days</source><translation>過去7日間</translation></message>
    <message id="usage.section.empty"><source>No usage tracked yet for this range.</source><translation>この期間の利用記録はまだありません。</translation></message>
    <message id="usage.legend.panel"><source>Past the panel</source><translation>パネルを越えて</translation></message>
    <message id="usage.legend.allowance"><source>Within the daily allowance</source><translation>1日の許容時間内</translation></message>
    <message id="usage.row.visit"><source>1 visit</source><translation>1回の訪問</translation></message>
    <message id="usage.row.visits"><source>%1 visits</source><translation>%1回の訪問</translation></message>
    <message id="usage.duration.hoursMinutes"><source>%1h %2m</source><translation>%1時間%2分</translation></message>
    <message id="usage.duration.minutes"><source>%1m</source><translation>%1分</translation></message>
    <message id="usage.duration.seconds"><source>%1s</source><translation>%1秒</translation></message>
    <message id="usage.suggestion.today"><source>%1 on %2 today</source><translation>今日 %2 で %1</translation></message>
    <message id="usage.suggestion.week"><source>%1 on %2 in the last 7 days</source><translation>過去7日間に %2 で %1</translation></message>
    <message id="usage.suggestion.prompt"><source>Want to tighten this streak?</source><translation>この記録のルールを厳しくしますか？</translation></message>
    <message id="usage.suggestion.tighten"><source>Tighten streak</source><translation>ルールを厳しくする</translation></message>
    <message id="usage.suggestion.dismiss"><source>Not now</source><translation>今はしない</translation></message>
    <message id="stats.window.title"><source>Stats</source><translation>統計</translation></message>
    <message id="stats.empty"><source>Nothing to show yet. Come back tomorrow.</source><translation>まだ表示するものがありません。明日また来てください。</translation></message>
    <message id="stats.since"><source>Since %1</source><translation>%1から</translation></message>
    <message id="stats.totalCleanDays"><source>Total clean days</source><translation>クリーンな日の合計</translation></message>
    <message id="stats.longestStreak"><source>Longest streak</source><translation>最長記録</translation></message>
    <message id="stats.steppedBack"><source>Stepped back this week</source><translation>今週引き返した回数</translation></message>
    <message id="stats.activeList.title"><source>Active streaks</source><translation>進行中の記録</translation></message>
    <message id="stats.nextMilestone"><source>Next milestone: %1 reaches %2 days on %3.</source><translation>次のマイルストーン：%1は%3に%2日に到達します。</translation></message>
    <message id="stats.streak.paused"><source>paused</source><translation>一時停止中</translation></message>
    <message id="stats.triggerHours.title"><source>When the urge hits</source><translation>衝動が来る時間</translation></message>
    <message id="stats.triggerHours.range"><source>Last 30 days, %1 panels</source><translation>過去30日間、パネル%1回</translation></message>
    <message id="stats.triggerHours.rangeOne"><source>Last 30 days, 1 panel</source><translation>過去30日間、パネル1回</translation></message>
    <message id="stats.triggerHours.empty"><source>No trigger events yet.</source><translation>まだトリガーはありません。</translation></message>
    <message id="stats.triggerHours.peak"><source>%1 is your hardest hour.</source><translation>%1がいちばんつらい時間です。</translation></message>
    <message id="stats.triggerHours.barHelp"><source>%1: %2</source><translation>%1：%2</translation></message>
    <message id="stats.whyAnswers.title"><source>What you told the panel</source><translation>パネルに答えたこと</translation></message>
    <message id="stats.whyAnswers.subtitle"><source>Answers to "Why are you here?"</source><translation>「なぜここに来ましたか？」への答え</translation></message>
    <message id="stats.whyAnswers.empty"><source>No answers yet.</source><translation>まだ答えはありません。</translation></message>
    <message id="stats.whyAnswers.quote"><source>“%1”</source><translation>「%1」</translation></message>
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
    <message id="a11y.stats.totalCleanDays" numerus="yes"><source>%n clean days in total</source><translation><numerusform>クリーンな日の合計 %n 日</numerusform></translation></message>
    <message id="a11y.stats.longestStreak" numerus="yes"><source>Longest streak: %n days</source><translation><numerusform>最長記録：%n 日</numerusform></translation></message>
    <message id="a11y.stats.steppedBack" numerus="yes"><source>Stepped back %n times this week</source><translation><numerusform>今週引き返した回数：%n 回</numerusform></translation></message>
</context>
</TS>
