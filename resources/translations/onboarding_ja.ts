<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>ひと呼吸おくだけ。すぐに開けます。</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>開く前に短いカウントダウンがあります。</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>開く前にカウントダウンと、理由の書き込みが必要です。</translation></message>
    <message id="onboarding.firstStreak.defaultName"><source>New streak</source><translation>新しい記録</translation></message>
    <message id="onboarding.firstStreak.preset.twitter"><source>X (Twitter)</source><translation>X（Twitter）</translation></message>
    <message id="onboarding.firstStreak.preset.instagram"><source>Instagram</source><translation>Instagram</translation></message>
    <message id="onboarding.firstStreak.preset.reddit"><source>Reddit</source><translation>Reddit</translation></message>
    <message id="onboarding.firstStreak.preset.youtube"><source>YouTube</source><translation>YouTube</translation></message>
    <message id="onboarding.firstStreak.preset.tiktok"><source>TikTok</source><translation>TikTok</translation></message>
    <message id="onboarding.firstStreak.preset.slack"><source>Slack</source><translation>Slack</translation></message>
    <message id="onboarding.firstStreak.preset.discord"><source>Discord</source><translation>Discord</translation></message>
    <message id="accessibility.step_progress"><source>Step %1 of %2</source><translation>ステップ %1/%2</translation></message>
    <message id="onboarding.cta.back"><source>Back</source><translation>戻る</translation></message>
    <message id="onboarding.cta.continue"><source>Continue</source><translation>続ける</translation></message>
    <message id="onboarding.welcome.tagline"><source>Build streaks away from the apps and sites that pull you in. When one comes up, Halvex puts a pause in the way.</source><translation>つい開いてしまうアプリやサイトから離れて、連続記録を積み上げましょう。それらが開かれると、Halvex がひと呼吸置かせます。</translation></message>
    <message id="onboarding.welcome.cta.begin"><source>Get started</source><translation>はじめる</translation></message>
    <message id="onboarding.preferences.title"><source>Make it yours</source><translation>好みに合わせる</translation></message>
    <message id="onboarding.preferences.subtitle"><source>Choose how Halvex looks and whether it opens at login. You can change this later in Settings.</source><translation>Halvex の見た目と、ログイン時に開くかどうかを選びます。あとから設定でいつでも変更できます。</translation></message>
    <message id="onboarding.firstStreak.title"><source>What pulls you in the most?</source><translation>いちばん引き込まれるのは？</translation></message>
    <message id="onboarding.firstStreak.helper.addMoreLater"><source>Pick one to start with. You can add more streaks later.</source><translation>まずはひとつ選んでください。連続記録はあとから追加できます。</translation></message>
    <message id="onboarding.firstStreak.custom.website"><source>A website</source><translation>ウェブサイト</translation></message>
    <message id="onboarding.firstStreak.custom.website.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="onboarding.firstStreak.custom.website.invalid"><source>Enter a site like example.com, without http:// or a path.</source><translation>example.com のように、http:// やパスを付けずに入力してください。</translation></message>
    <message id="onboarding.firstStreak.custom.app"><source>An application</source><translation>アプリケーション</translation></message>
    <message id="onboarding.firstStreak.custom.app.choose"><source>Choose app…</source><translation>アプリを選択…</translation></message>
    <message id="onboarding.firstStreak.custom.app.chooserTitle"><source>Choose an application</source><translation>アプリケーションを選択</translation></message>
    <message id="onboarding.mode.title"><source>How strict should it be?</source><translation>どのくらい厳しくしますか？</translation></message>
    <message id="onboarding.mode.gentle.title"><source>Gentle</source><translation>ゆるめ</translation></message>
    <message id="onboarding.mode.firm.title"><source>Firm</source><translation>しっかり</translation></message>
    <message id="onboarding.mode.brutal.title"><source>Brutal</source><translation>きびしく</translation></message>
    <message id="onboarding.mode.helper.changeLater"><source>You can change the mode of any streak later.</source><translation>各連続記録のモードはあとから変更できます。</translation></message>
    <message id="onboarding.permissions.title"><source>A few permissions</source><translation>いくつかの許可</translation></message>
    <message id="onboarding.permissions.subtitle"><source>Nothing is asked for on its own. Allow what you like; you can finish without any of it.</source><translation>勝手に許可を求めることはありません。必要なものだけ許可してください。何も許可せずに完了することもできます。</translation></message>
    <message id="onboarding.permissions.notifications.title"><source>Notifications</source><translation>通知</translation></message>
    <message id="onboarding.permissions.notifications.body"><source>Milestones and the weekly summary arrive as notifications.</source><translation>節目と週間サマリーが通知で届きます。</translation></message>
    <message id="onboarding.permissions.accessibility.body"><source>Lets Halvex see which page your browser shows, through the desktop’s accessibility support.</source><translation>デスクトップのアクセシビリティ機能を通じて、ブラウザーが表示しているページを Halvex が確認できるようにします。</translation></message>
    <message id="onboarding.permissions.granted"><source>Allowed</source><translation>許可済み</translation></message>
    <message id="onboarding.permissions.allow"><source>Allow</source><translation>許可</translation></message>
    <message id="onboarding.permissionIntro.automation.name"><source>Browsers</source><translation>ブラウザー</translation></message>
    <message id="onboarding.permissions.automation.body"><source>To see which site is open, Halvex reads the browser’s address through accessibility. Test each browser you use.</source><translation>どのサイトが開いているかを知るため、Halvex はアクセシビリティ経由でブラウザーのアドレスを読み取ります。使っているブラウザーをそれぞれテストしてください。</translation></message>
    <message id="onboarding.automation.finish"><source>Finish</source><translation>完了</translation></message>
</context>
</TS>
