<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>ゆるめ</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>しっかり</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>きびしく</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>厳しさ</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>有効な時間帯</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>この時間帯と曜日だけブロックします。</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>開始</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>終了</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>深夜0時をまたいで翌日まで続きます。</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>曜日</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>1日の許容時間</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>パネルなしで使える1日あたりの分数です。</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 分</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>アプリケーション</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>アプリを選択</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>削除</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>アプリケーションを選択</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>検索</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>アプリケーションが見つかりません</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>キャンセル</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>ウェブサイト</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>サイトの一部だけをブロックするにはパスを追加します（例: reddit.com/r/all）。</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>サイトではないため、何もブロックされません。example.com や reddit.com/r/all のように入力してください。</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>サイトを追加</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>セットを追加</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>削除</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>SNS</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>動画</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>ニュース</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>ショッピング</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>ゲーム</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>サイトを編集</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>新しい記録</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>ブロック対象</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>サイト</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>アプリ</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>名前</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>例: SNS</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>1日1回のフリーパス</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>記録を途切れさせずに、ブロック対象を1日1回開けます。</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>他のアプリからのリンク</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>他のアプリから開いたリンクは、記録を途切れさせずに通せます。</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>節目の通知</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>記録が7日、14日、30日以降に達したときにお知らせします。</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>記録に名前を付けてください。</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>ブロックするサイトかアプリを1つ以上追加してください。</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>リストに、サイトではないため何もブロックしない項目があります。修正するか削除してください。</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>記録は5件までです。新しく始めるには1件削除してください。</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>記録を保存できませんでした。もう一度お試しください。</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>キャンセル</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>保存</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>日</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>記録</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>ブロック対象</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>途切れた記録</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>途切れた記録はまだありません。</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>閉じる</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>この記録はもうありません。</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>記録を削除</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>この記録は%n日続いています。削除すると元に戻せません。</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>履歴も削除されます：途切れた記録、トリガー、例外、使用状況。</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>キャンセル</translation></message>
</context>
</TS>
