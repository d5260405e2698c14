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
</context>
</TS>
