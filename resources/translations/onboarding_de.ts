<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="onboarding.mode.gentle.description"><source>A calm pause. You can open it right away.</source><translation>Eine ruhige Pause. Du kannst es sofort öffnen.</translation></message>
    <message id="onboarding.mode.firm.description"><source>A short countdown before you can open it.</source><translation>Ein kurzer Countdown, bevor du es öffnen kannst.</translation></message>
    <message id="onboarding.mode.brutal.description"><source>A countdown, then a written reason before you can open it.</source><translation>Ein Countdown und dann eine schriftliche Begründung, bevor du es öffnen kannst.</translation></message>
</context>
</TS>
