<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>Gentle</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>Firm</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>Brutal</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>Strictness</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>Active hours</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>Block only at these times and on these days.</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>From</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>To</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>Runs past midnight into the next day.</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>Days</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>Daily allowance</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>Minutes a day you may spend there without the panel.</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 min</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>Applications</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>Choose apps</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>Remove</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>Choose applications</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>Search</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>No applications found</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>Websites</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>Add a path to block only part of a site, like reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Add site</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Add a set</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Remove</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Social media</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Video</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>News</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Shopping</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Games</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Edit sites</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>New streak</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>Blocks</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>Sites</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>Apps</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>Name</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>e.g. Social media</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>Daily free pass</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>Open a blocked target once a day without breaking the streak.</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>Links from other apps</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>A link opened from another app may go through without breaking the streak.</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>Milestone notifications</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>A note when the streak reaches 7, 14, 30 days and beyond.</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>Give the streak a name.</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>Add at least one site or app to block.</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>An entry in the list is not a site and would block nothing. Correct it or remove it.</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>You can keep up to 5 streaks. Delete one to start another.</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>The streak could not be saved. Please try again.</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>Save</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>days</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>Streak</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>Blocks</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>Broken runs</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>No broken runs yet.</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>Close</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>This streak no longer exists.</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>Delete streak</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>This streak is %n day long. Deleting it ends it for good.</numerusform><numerusform>This streak is %n days long. Deleting it ends it for good.</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>Its history goes with it: broken runs, triggers, bypasses and usage.</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>Cancel</translation></message>
</context>
</TS>
