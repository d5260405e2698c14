<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>Sanft</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>Bestimmt</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>Brutal</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>Strenge</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>Aktive Zeiten</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>Nur zu diesen Zeiten und an diesen Tagen sperren.</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>Von</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>Bis</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>Läuft über Mitternacht bis in den nächsten Tag.</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>Tage</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>Tägliches Kontingent</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>Minuten pro Tag, die du dort ohne das Fenster verbringen darfst.</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 Min.</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>Programme</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>Apps auswählen</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>Entfernen</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>Programme auswählen</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>Suchen</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>Keine Programme gefunden</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>Abbrechen</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>Websites</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>Füge einen Pfad hinzu, um nur einen Teil einer Website zu sperren, z. B. reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>Keine Website, daher wird nichts gesperrt. Gib eine wie example.com oder reddit.com/r/all ein.</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Website hinzufügen</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Sammlung hinzufügen</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Entfernen</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Soziale Medien</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Video</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Nachrichten</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Shopping</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Spiele</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Websites bearbeiten</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>Neue Serie</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>Sperrt</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>Websites</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>Apps</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>Name</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>z. B. Soziale Medien</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>Täglicher Freipass</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>Einmal am Tag ein gesperrtes Ziel öffnen, ohne die Serie zu brechen.</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>Links aus anderen Apps</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>Ein Link aus einer anderen App darf durch, ohne die Serie zu brechen.</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>Meilenstein-Mitteilungen</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>Eine Nachricht, wenn die Serie 7, 14, 30 Tage und mehr erreicht.</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>Gib der Serie einen Namen.</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>Füge mindestens eine Website oder App zum Sperren hinzu.</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>Ein Eintrag in der Liste ist keine Website und würde nichts sperren. Korrigiere oder entferne ihn.</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>Du kannst bis zu 5 Serien führen. Lösche eine, um eine neue zu beginnen.</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>Die Serie konnte nicht gespeichert werden. Bitte versuche es erneut.</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>Abbrechen</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>Speichern</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>Tage</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>Serie</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>Blockiert</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>Gerissene Serien</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>Noch keine gerissene Serie.</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>Schließen</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>Diese Serie gibt es nicht mehr.</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>Serie löschen</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>Diese Serie läuft seit %n Tag. Löschen beendet sie endgültig.</numerusform><numerusform>Diese Serie läuft seit %n Tagen. Löschen beendet sie endgültig.</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>Ihr Verlauf wird mitgelöscht: gerissene Serien, Auslöser, Ausnahmen und Nutzung.</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>Abbrechen</translation></message>
</context>
</TS>
