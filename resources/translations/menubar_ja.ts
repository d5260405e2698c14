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
    <message id="a11y.menubar.streak" numerus="yes"><source>%n days, %1</source><translation><numerusform>%n 日、%1</numerusform></translation></message>
    <message id="popover.nav.back"><source>Back</source><translation>戻る</translation></message>
    <message id="popover.empty.title"><source>Day zero starts with a name.</source><translation>0 日目は名前から始まります。</translation></message>
    <message id="popover.empty.subtitle"><source>Pick the site or app you keep opening without meaning to. Halvex counts the days you stay away.</source><translation>つい開いてしまうサイトやアプリを選んでください。離れていられた日数を Halvex が数えます。</translation></message>
    <message id="popover.empty.sets.title"><source>Start from a set</source><translation>セットから始める</translation></message>
    <message id="popover.totals.summary.oneDay"><source>1 clean day across %1 streaks</source><translation>%1 件の記録で合計 1 日</translation></message>
    <message id="popover.totals.summary"><source>%1 clean days across %2 streaks</source><translation>%2 件の記録で合計 %1 日</translation></message>
    <message id="popover.contextMenu.edit"><source>Edit</source><translation>編集</translation></message>
    <message id="popover.contextMenu.delete"><source>Delete</source><translation>削除</translation></message>
    <message id="streakManager.row.daysUnit"><source>days</source><translation>日</translation></message>
    <message id="streakManager.row.paused"><source>Paused, back on in %1 min</source><translation>一時停止中、あと %1 分で再開</translation></message>
    <message id="streakManager.row.resume"><source>Resume</source><translation>再開</translation></message>
    <message id="streakManager.row.allowanceSpent"><source>No minutes left today</source><translation>今日の残り時間はありません</translation></message>
    <message id="streakManager.row.allowanceOf"><source>%1 of %2 min left</source><translation>残り %1 / %2 分</translation></message>
    <message id="streakManager.row.milestone" numerus="yes"><source>%n more to %1 days</source><translation><numerusform>%1 日まであと %n</numerusform></translation></message>
    <message id="a11y.streakManager.edit"><source>Edit %1</source><translation>%1 を編集</translation></message>
    <message id="a11y.streakManager.pause"><source>Pause %1 for 1 hour</source><translation>%1 を 1 時間一時停止</translation></message>
    <message id="a11y.streakManager.more"><source>More for %1</source><translation>%1 のその他の操作</translation></message>
    <message id="a11y.streakManager.resume"><source>Resume %1</source><translation>%1 を再開</translation></message>
    <message id="popover.edit.summary"><source>%1 days · best %2 · avg %3</source><translation>%1日 · 最長 %2 · 平均 %3</translation></message>
    <message id="popover.edit.delete"><source>Delete streak</source><translation>記録を削除</translation></message>
    <message id="popover.metrics.best"><source>Best</source><translation>最長</translation></message>
    <message id="popover.metrics.avg"><source>Avg</source><translation>平均</translation></message>
</context>
</TS>
