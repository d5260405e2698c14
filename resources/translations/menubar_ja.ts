<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="popover.icon.stats.label"><source>Statistics</source><translation>統計</translation></message>
    <message id="popover.icon.settings.label"><source>Settings</source><translation>設定</translation></message>
    <message id="menu.status.quit"><source>Quit Halvex</source><translation>Halvex を終了</translation></message>
    <message id="popover.cta.newStreak"><source>+ New streak</source><translation>+ 新しい記録</translation></message>
    <message id="popover.empty.sets.count" numerus="yes"><source>%n sites</source><translation><numerusform>%n サイト</numerusform></translation></message>
    <message id="streakManager.row.weekdays"><source>weekdays</source><translation>平日</translation></message>
    <message id="streakManager.row.weekends"><source>weekends</source><translation>週末</translation></message>
    <message id="popover.brand"><source>Halvex</source><translation>Halvex</translation></message>
    <message id="a11y.menubar.idle"><source>Halvex - no active streak</source><translation>Halvex - 進行中の記録なし</translation></message>
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n 日、%1</numerusform></translation></message>
</context>
</TS>
