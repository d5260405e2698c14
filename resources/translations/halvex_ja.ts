<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>戻れませんでした。ご自身で閉じてください。</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>%2 なしの日数</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>今日の %1 分の許容時間を使い切りました。</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>なぜここに来ましたか？</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>引き返す</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>それでも開く</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>それでも開く（%n 日の連続記録がリセットされます）</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>%1 秒後にそれでも開く</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>その他のオプション</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>1 時間一時停止</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>今日のフリーパスを使う</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>カウントせずに開く</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>キャンセル</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>%n 日の連続記録を破りますか？</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>開けるまで %1 秒お待ちください。</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>記録を破る理由を 40 文字以上で書いてください。</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>あと必要な文字数: %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>十分です。</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>記録を守る</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>連続記録をリセットしました。ゼロから再スタートです。</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n 日</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%1 なしで %n 日</numerusform></translation></message>
</context>
</TS>
